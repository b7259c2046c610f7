#include "WaitTexts.h"

#include "net/Ipv4.h"
#include "text/TextArgs.h"

std::vector<std::wstring> WaitTextArgs(const WaitMachine& wait, const std::wstring& shown, std::uint32_t address,
                                       std::uint32_t seconds) {
    MacAddress other{};
    const bool hasOther = wait.OtherDevice(other);
    return {wait.State() == WaitState::Answered ? DottedQuad(address) : shown, DecimalText(seconds),
            FormatMacDisplay(wait.Pc()), hasOther ? FormatMacDisplay(other) : std::wstring()};
}
