// The command line's parser over any arguments: it never accepts a line it
// has no MAC address for, and a MAC address it accepts is twelve digits; a
// report goes with nothing that sends.
#include <vector>

#include "FuzzInput.h"
#include "app/CommandLine.h"
#include "mypcs/PcFields.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzInput in(data, size);
    static const wchar_t* const kWords[] = {L"/wake", L"-WAIT", L"/every", L"/quiet",    L"/seconds", L"/?",
                                            L"-help", L"/report", L"/to",   L"-PORT",    L"/password", L"/list"};
    std::vector<std::wstring> args;
    for (std::size_t n = 1 + in.Byte() % 8; n > 0; --n)
        args.push_back(in.Byte() % 2 ? std::wstring(kWords[in.Byte() % 12]) : in.Text(20));
    const CommandLine line = ParseCommandLine(args);
    // Names stand only beside the one error the saved list may lift.
    FUZZ_CHECK(line.names.empty() || line.help || (line.badMac && line.wake && !line.report && !line.list));
    std::uint32_t address = 0;
    WakePassword password;
    if (line.errorKey || line.help) return 0;
    FUZZ_CHECK(line.to.empty() || CheckDestination(line.to, address) <= DestinationCheck::Name);
    FUZZ_CHECK(ParsePassword(line.password, password) && (password.empty() || password.size() == 4 || password.size() == 6));
    if (line.list) {
        FUZZ_CHECK(!line.wake && !line.report && line.to.empty() && line.port == 0);
        return 0;
    }
    if (line.report) {
        FUZZ_CHECK(!line.wake && !line.every && !line.wait);
        return 0;
    }
    MacAddress again{};
    FUZZ_CHECK(line.wake && MacArgument(FormatMacCompact(line.mac), again) && again == line.mac);
    FUZZ_CHECK(line.seconds >= 1 && line.seconds <= 3600);
    FUZZ_CHECK(!line.wait || !line.target.empty());
    return 0;
}
