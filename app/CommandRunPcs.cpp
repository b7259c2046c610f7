#include "CommandRunPcs.h"

#include "mypcs/CPcFile.h"
#include "mypcs/PcBook.h"
#include "mypcs/PcFields.h"
#include "mypcs/PcSend.h"
#include "net/SystemAdapterFacts.h"
#include "text/LangTexts.h"
#include "text/TextArgs.h"
#include "wakewait/WakeTarget.h"

namespace {

std::wstring Text(const wchar_t* key, const std::wstring& first, const std::wstring& second = std::wstring()) {
    return FillArgs(LocalizedText(key), {first, second});
}

void SayList(const PcList& list, SayLine& say) {
    for (const SavedPc& pc : list.Pcs()) {
        const std::wstring fields[] = {FormatMacDisplay(pc.mac), pc.address, pc.destination, PortText(pc.port)};
        std::wstring row = pc.name;
        for (const std::wstring& field : fields) (row += L'\t') += field;
        say(row);
    }
}

// The PCs the names stand for; false (said) when one is not saved.
bool OrdersForNames(const CommandLine& line, const PcList& list, SayLine& say, std::vector<PcSendOrder>& orders) {
    const std::wstring* missing = &line.names.front();  // said when no name stands for a PC
    for (const std::wstring& name : line.names) {
        MacAddress mac{};
        const int saved = list.Find(name);
        if (name == L"*") {
            for (const SavedPc& pc : list.Pcs()) orders.push_back(OrderForPc(pc));
        } else if (MacArgument(name, mac)) {
            orders.push_back(OrderForMac(mac));
        } else if (saved >= 0) {
            orders.push_back(OrderForPc(list.Pcs()[static_cast<std::size_t>(saved)]));
        } else {
            missing = &name;
            orders.clear();
            break;
        }
    }
    if (!orders.empty()) return true;
    std::wstring names;
    for (const SavedPc& pc : list.Pcs()) AddToList(names, pc.name);
    say(Text(L"CLI_NO_SUCH_PC", *missing, names));
    return false;
}

// The command line's values in place of the saved ones.
void ApplyOverrides(const CommandLine& line, std::vector<PcSendOrder>& orders) {
    for (PcSendOrder& order : orders) {
        if (!line.to.empty()) order.destination = line.to;
        if (line.port) order.port = line.port;
        if (!line.password.empty()) ParsePassword(line.password, order.password);
    }
}

ExitCode SendAll(const std::vector<PcSendOrder>& orders, SayLine& say) {
    bool needAdapters = false;
    for (const PcSendOrder& order : orders) needAdapters = needAdapters || order.destination.empty();
    const std::vector<Adapter> adapters = needAdapters ? SurveyThisPc() : std::vector<Adapter>();
    ExitCode code = ExitCode::Succeeded;
    for (const PcSendOrder& order : orders) {
        const PcSendOutcome outcome = SendForPc(order, adapters);
        for (const std::wstring& text : outcome.lines) say(text);
        if (outcome.end == PcSendEnd::Refused) code = ExitCode::BadCommandLine;
        else if (outcome.end != PcSendEnd::Sent && code == ExitCode::Succeeded) code = ExitCode::SendFailed;
    }
    return code;
}

// A saved PC's wait sends as the PC is saved, the command line's values in
// place of its own; a MAC address's wait sends as it always did.
void WaitAsSaved(const PcList& list, const PcSendOrder& order, CommandLine& line) {
    const int saved = order.oneDefaultPort ? -1 : list.Find(order.name);
    if (saved < 0) {
        line.to.clear();
        line.port = 0;
        line.password.clear();
        return;
    }
    line.to = order.destination;
    line.port = order.port;
    if (line.password.empty()) line.password = list.Pcs()[static_cast<std::size_t>(saved)].password;
}

}  // namespace

bool RunForSavedPcs(CommandLine& line, SayLine& say, ExitCode& code) {
    const bool named = !line.names.empty() && line.badMac;
    if (line.errorKey && !named) return false;
    CPcFile file;
    PcBook book(file);
    if (line.list) {
        book.Load();
        SayList(book.List(), say);
        code = ExitCode::Succeeded;
        return true;
    }
    const bool extras = !line.to.empty() || line.port || !line.password.empty();
    if (!named && !extras && !(line.wait && line.target.empty())) return false;

    std::vector<PcSendOrder> orders;
    if (named) {
        book.Load();
        // Without a saved list, a text that is no MAC address is the wrong MAC address it always was.
        if (book.List().Pcs().empty() && line.names.size() == 1 && line.names.front() != L"*") return false;
        code = ExitCode::BadCommandLine;
        if (!OrdersForNames(line, book.List(), say, orders)) return true;
    } else {
        orders.push_back(OrderForMac(line.mac));
    }
    ApplyOverrides(line, orders);
    if (line.wait) {
        code = ExitCode::BadCommandLine;
        if (line.target.empty() && orders.size() == 1) line.target = orders.front().address;
        if (orders.size() != 1 || line.target.empty()) {
            const bool several = orders.size() != 1;
            say(Text(several ? L"CLI_WAIT_ONE" : L"CLI_WAIT_NO_ADDRESS", several ? line.errorArg : orders.front().name));
            return true;
        }
        line.targetKind = ParseTarget(line.target, line.targetAddress);
        WaitAsSaved(book.List(), orders.front(), line);
        line.mac = orders.front().mac;
        line.errorKey = nullptr;
        line.badMac = false;
        line.names.clear();
        return false;
    }
    code = SendAll(orders, say);
    return true;
}

WakeExtras WaitSending(const CommandLine& line) {
    WakeExtras extras;
    extras.port = line.port;
    extras.destination = line.to;
    ParsePassword(line.password, extras.password);
    return extras;
}
