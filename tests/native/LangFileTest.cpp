// The embedded language file, byte by byte: what every dialog's texts come from.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<unsigned char> ReadLangFile() {
    std::ifstream in(QUORVANE_LANG_FILE, std::ios::binary);
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(in), {});
}

// UTF-16LE (after the byte-order mark) to UTF-8.
std::string DecodeUtf16(const std::vector<unsigned char>& bytes, size_t from) {
    std::string out;
    for (size_t i = from; i + 1 < bytes.size(); i += 2) {
        unsigned cp = bytes[i] | (bytes[i + 1] << 8);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 3 < bytes.size()) {
            const unsigned low = bytes[i + 2] | (bytes[i + 3] << 8);
            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
            i += 2;
        }
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
        lines.push_back(text.substr(start, at - start));
    lines.push_back(text.substr(start));
    return lines;
}

const char* const kKeys[16] = {"PRODUCT_NAME", "PRODUCT_TITLE", "MAIN_CAPTION", "MAC_CAPTION",
                               "MAC_NAME",     "WOL_NAME",      "WOL_SUCCESS",  "WOL_CAPTION",
                               "WOL_NOTE",     "WOL_OK",        "MAC_ERROR",    "WOL_ERROR",
                               "MAC_DLG_TITLE", "MAC_DLG_CAPTION", "GET_MAC_CAPTION", "GET_MAC_NOTIFY"};

const char* const kEnglish[16] = {
    "Brevinta",
    "WOL Tester",
    "This app will check if your PC is compatible with WOL.",
    "Enter your Mac address and press \u201cPower ON\u201d button.",
    "Mac address",
    "Power ON",
    "Power on request has been sent.\\nCheck if the PC has powered on.",
    "If PC is powered on, WOL is working correctly.",
    "<Note>\\nPC\u2019s BIOS and NIC must be configured properly to work with WOL.\\nVerify this to be correct.",
    "Ok",
    "Enter the correct Mac address.",
    "Failed to turn ON the power.\\nPlease, try again later.",
    "<Current PC\u2019s Mac address>",
    "Get the Mac address of the PC to be powered on.",
    "Please, get the Mac address of the PC to be powered on.",
    "View current PC\u2019s Mac address",
};

const char* const kKorean[16] = {
    "Brevinta",
    "WOL 기능 테스트",
    "고객님의 PC를 켤 수 있는지 확인할 수 있습니다. ",
    "전원을 켤 PC의  Mac Address 를 입력 후 \u201c전원 켜기 테스트\u201d 버튼을 클릭해 주세요",
    "Mac address",
    "전원 켜기 테스트",
    "전원 켜기 기능을 실행하였습니다.\\n해당 PC가  켜지는지 확인해 주세요.",
    "PC가 켜진다면 WOL 기능을 정상적으로 사용할 수 있습니다.",
    "<주의>\\n전원을 켤 PC의 메인보드와 랜카드 설정이 되어 있어야 정상 동작합니다. 설정하지 않으신 분은 먼저 설정부터 해 주세요.",
    "확인",
    "정확한 Mac Address 정보를 입력해 주세요.",
    "전원 켜기 실행에 실패하였습니다.\\n잠시 후 다시 시도해 주세요.",
    "<현재 PC의 Mac Address>",
    "전원을 켤 PC에서 Mac Address를 확인해 주세요.",
    "먼저 전원을 켤 원격지 PC의 Mac Address를 확인해 주세요. ",
    "현재 PC Mac Address 확인",
};

const char* const kJapanese[16] = {
    "Brevinta",
    "WOL機能テスト",
    "ご利用中のパソコンが電源起動に対応しているか確認することができます。",
    "MACアドレスを入力後、「電源起動テスト」をクリックしてください。",
    "MACアドレス",
    "電源起動テスト",
    "電源起動を実行しました。\\nパソコンの電源が起動されたか確認してください。",
    "パソコンの電源が正常に起動された場合、WOL機能をお使いいただけます。",
    "<注意>\\n電源起動するパソコンのBIOS設定とネットワークアダプターの設定が行われている必要があります。\\n設定がされていない場合は、設定後、テストを行ってください。",
    "確認",
    "正しいMACアドレス情報を入力してください。",
    "電源起動に失敗しました。\\nしばらくたってから、再度実行してください。",
    "<使用中のPCのMACアドレス>",
    "まず、電源起動するPCのMACアドレスを確認してください。",
    "電源起動する遠隔地PCのMACアドレスを確認してください。",
    "使用中のPCのMACアドレスを確認",
};

// The listener's keys follow the sixteen above in every section, then the
// network check's, the readiness check's, those of Wake and wait, and those
// of virtual switches on a card.
const char* const kListenerKeys[] = {"LISTEN_MENU",    "LISTEN_NOTE",    "LISTEN_TIME",        "LISTEN_FROM",
                                     "LISTEN_PORT",    "LISTEN_MAC",     "LISTEN_THIS_PC",     "LISTEN_YES",
                                     "LISTEN_PASSWORD", "LISTEN_PORTS",  "LISTEN_NO_PORT",     "LISTEN_IN_USE",
                                     "LISTEN_PORT_FAILED", "LISTEN_NOT_MAGIC", "LISTEN_CLOSE",
                                     "NETCHECK_MENU", "NETCHECK_COL_ADAPTER", "NETCHECK_COL_KIND",
                                     "NETCHECK_COL_ADDRESS", "NETCHECK_COL_BROADCAST", "NETCHECK_COL_STATE",
                                     "NETCHECK_COL_POWER_ON", "NETCHECK_COL_SENT", "NETCHECK_ETHERNET",
                                     "NETCHECK_WIFI", "NETCHECK_TUNNEL", "NETCHECK_OTHER", "NETCHECK_VIRTUAL",
                                     "NETCHECK_CONNECTED", "NETCHECK_NOT_CONNECTED", "NETCHECK_LEAVES_HERE",
                                     "NETCHECK_SENT", "NETCHECK_SEND_FAILED", "NETCHECK_NO_NETWORK",
                                     "NETCHECK_NO_ROUTE", "NETCHECK_VIA_TUNNEL", "NETCHECK_SEVERAL",
                                     "NETCHECK_ONE", "NETCHECK_TYPE_MAC", "NETCHECK_SEND", "NETCHECK_REFRESH",
                                     "NETCHECK_CLOSE", "WAKE_COL", "WAKE_NOT_REPORTED", "WAKE_ON", "WAKE_OFF",
                                     "WAKE_OFF_POWER_MANAGEMENT", "WAKE_OFF_NOT_ALLOWED", "WAKE_OFF_MAGIC_PACKET",
                                     "READY_WAKE_OFF", "READY_POWER_MANAGEMENT", "READY_FAST_STARTUP",
                                     "READY_NO_CABLE", "READY_NOTHING_WRONG", "READY_FIRMWARE", "WAIT_MENU",
                                     "WAIT_MAC_LABEL", "WAIT_ADDRESS_LABEL", "WAIT_EVERY_ADAPTER", "WAIT_START",
                                     "WAIT_STOP", "WAIT_CLOSE", "WAIT_NOTE", "WAIT_CHECKING", "WAIT_WAITING",
                                     "WAIT_ALREADY_ON", "WAIT_ANSWERED", "WAIT_TIMED_OUT", "WAIT_STOPPED",
                                     "WAIT_NOT_WATCHED", "WAIT_BAD_ADDRESS", "WAIT_OWN_ADDRESS", "WAIT_NOT_A_PC",
                                     "WAIT_OFF_NETWORK", "NETCHECK_SWITCH_ON", "NETCHECK_VIA_TUNNEL_REACHES",
                                     "NETCHECK_VIA_SWITCH", "NETCHECK_CARD_UNPLUGGED", "READY_CARD_UNDER_SWITCH",
                                     "READY_CARD_UNDER_BRIDGE", "WAIT_ALREADY_ON_MAC", "WAIT_ANSWERED_MAC",
                                     "WAIT_ANSWERED_ARP", "WAIT_ARP_NO_PING", "WAIT_OTHER_DEVICE",
                                     "WAIT_OTHER_DEVICE_FINAL", "LISTEN_LIST_LABEL", "NETCHECK_LIST_LABEL",
                                     "NETCHECK_FINDINGS_LABEL", "NETCHECK_READY_LABEL",
                                     "CLI_SENT", "CLI_SEND_FAILED", "CLI_SENT_THROUGH", "CLI_NOT_SENT_THROUGH", "CLI_NO_ANSWER", "CLI_UNKNOWN", "CLI_MISSING", "CLI_TWICE", "CLI_BAD_MAC", "CLI_BAD_TARGET", "CLI_BAD_SECONDS", "CLI_NEEDS_WAKE", "CLI_NEEDS_WAIT", "CLI_HELP_USAGE", "CLI_HELP_WAKE", "CLI_HELP_EVERY", "CLI_HELP_WAIT", "CLI_HELP_QUIET", "CLI_HELP_EXIT",
                                     "READY_VERDICTS_BY", "READY_SLEEP", "READY_STANDBY", "READY_HIBERNATION",
                                     "READY_SHUTDOWN", "READY_YES", "READY_NO", "READY_CANNOT_TELL",
                                     "READY_NO_SLEEP_STATE", "READY_NO_SLEEP_WAKE", "READY_HIBERNATION_OFF",
                                     "READY_NO_HIBERNATION_WAKE", "READY_NO_WAKE_FACTS", "READY_SHUTDOWN_OFF",
                                     "READY_STANDBY_OFF", "READY_NO_HIBERNATION_WAKE_CARD", "READY_ARP_OFFLOAD_OFF",
                                     "LAST_WOKE_BY", "LAST_WOKE_BY_CARD", "LAST_WOKE_NO_SOURCE", "LAST_START_FULL",
                                     "LAST_START_FULL_FIRMWARE", "LAST_START_FAST", "LAST_START_FAST_FIRMWARE",
                                     "LAST_START_RESUMED", "LAST_START_RESUMED_FIRMWARE", "LAST_FIRMWARE_ONLY",
                                     "WAKEUP_OTHER", "WAKEUP_UNKNOWN", "WAKEUP_APM_TIMER", "WAKEUP_MODEM_RING",
                                     "WAKEUP_LAN_REMOTE", "WAKEUP_POWER_SWITCH", "WAKEUP_PCI_PME", "WAKEUP_AC_POWER",
                                     "NETCHECK_COPY_REPORT", "REPORT_COPIED", "REPORT_NOT_COPIED", "CLI_HELP_REPORT",
                                     "CLI_REPORT_COPIED", "REPORT_TITLE", "REPORT_ADAPTERS", "REPORT_DRIVER_KEYS",
                                     "REPORT_POWER", "REPORT_FINDINGS", "CLI_REPORT_ALONE",
                                     "READY_SLEEP_S1", "READY_SLEEP_S2", "READY_CARD_CANNOT_WAKE", "READY_HIBERNATION_REDUCED",
                                     "READY_DEVICE_CANNOT_WAKE", "READY_HIBERFILE_REDUCED", "READY_WAKES_ON_OTHER",
                                     "READY_INBOX_DRIVER", "READY_USB_CARD", "LAST_HIBERNATION_BY", "LAST_HIBERNATION_BY_CARD",
                                     "LAST_HIBERNATION_NO_SOURCE", "LAST_STANDBY_LEFT", "LAST_STANDBY_LEFT_REASON",
                                     "LISTEN_SIMPLE_TCPIP",
                                     "SCAN_HEADING", "SCAN_HEADING_CUT", "SCAN_RANDOM_MAC", "CLI_SCAN_NO_NETWORK",
                                     "CLI_SCAN_COPIED", "CLI_HELP_SCAN", "FINDPCS_TITLE", "FINDPCS_COL_ADDRESS",
                                     "FINDPCS_COL_MAC", "FINDPCS_COL_NAME", "FINDPCS_COL_MAKER", "FINDPCS_COL_SUBNET",
                                     "FINDPCS_ADD", "FINDPCS_STOP", "FINDPCS_CLOSE", "FINDPCS_SCANNING",
                                     "FINDPCS_NAMING", "FINDPCS_DONE", "FINDPCS_STOPPED", "FINDPCS_CUT",
                                     "FINDPCS_PROXY", "FINDPCS_PROXY_LEFT_OUT", "FINDPCS_LIST_LABEL",
                                     // My PCs
                                     "PCS_BAD_NAME", "PCS_BAD_ADDRESS", "PCS_BAD_DESTINATION", "PCS_REFUSED_DESTINATION", "PCS_BAD_PASSWORD", "PCS_BAD_PORT", "CLI_BAD_TO", "CLI_BAD_PORT", "CLI_BAD_PASSWORD", "CLI_NO_SUCH_PC", "CLI_WAIT_ONE", "CLI_WAIT_NO_ADDRESS", "CLI_LIST_ALONE", "CLI_PC_SENT", "CLI_PC_NOT_SENT", "PCS_UNRESOLVED", "CLI_HELP_PCS", "CLI_HELP_TO",
                                     "PCS_MENU", "PCS_LABEL", "PCS_WAKE", "PCS_ADD", "PCS_EDIT", "PCS_REMOVE", "PCS_WAIT", "PCS_FIND", "PCS_CLOSE", "PCS_COL_NAME", "PCS_COL_MAC", "PCS_COL_ADDRESS", "PCS_COL_SENT_TO", "PCS_COL_STATE", "PCS_STATE_NONE", "PCS_STATE_PROBING", "PCS_STATE_AWAKE", "PCS_STATE_ARP_ONLY", "PCS_STATE_NOT_ANSWERING", "PCS_SENT_BROADCAST", "PCS_COUNT", "PCS_UNREADABLE", "PCS_NOT_READ", "PCS_SAVED", "PCS_REMOVED", "PCS_NAME_TAKEN", "PCS_READ_AGAIN", "PCS_NOT_WRITABLE", "PCS_WRITE_FAILED", "PCS_REMOVE_ASK", "PCS_SELECT", "PCS_SELECT_ONE", "PCE_NAME", "PCE_MAC", "PCE_ADDRESS", "PCE_DESTINATION", "PCE_PORT", "PCE_PASSWORD", "PCE_OK", "PCE_CANCEL", "PCE_BAD_MAC"};
constexpr size_t kKeyCount = 16 + std::size(kListenerKeys);
constexpr size_t kLineCount = 3 * (kKeyCount + 1) + 2;

void ExpectSection(const std::vector<std::string>& lines, size_t first, const std::string& name,
                   const char* const (&values)[16]) {
    ASSERT_GE(lines.size(), first + 1 + kKeyCount);
    EXPECT_EQ("[" + name + "]", lines[first]);
    for (size_t k = 0; k < 16; ++k)
        EXPECT_EQ(std::string(kKeys[k]) + "=" + values[k], lines[first + 1 + k]) << name << " " << kKeys[k];
    for (size_t k = 0; k < std::size(kListenerKeys); ++k) {
        const std::string& line = lines[first + 17 + k];
        EXPECT_EQ(std::string(kListenerKeys[k]) + "=", line.substr(0, line.find('=') + 1)) << name;
        EXPECT_LT(line.find('=') + 1, line.size()) << name << " " << kListenerKeys[k] << " has no text";
    }
}

TEST(LanguageFile, IsUtf16WithByteOrderMarkAndCrLfLines) {
    const std::vector<unsigned char> bytes = ReadLangFile();
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(0xFF, bytes[0]);
    EXPECT_EQ(0xFE, bytes[1]);
    EXPECT_EQ(0u, bytes.size() % 2);
    const std::string text = DecodeUtf16(bytes, 2);
    EXPECT_EQ(std::string::npos, text.find('\0'));
    // No bare line feeds or carriage returns, and no line end after the last line.
    size_t lf = 0, crlf = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n') ++lf;
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++crlf;
    }
    EXPECT_EQ(kLineCount - 1, lf);
    EXPECT_EQ(kLineCount - 1, crlf);
    EXPECT_NE('\n', text.back());
}

TEST(LanguageFile, HoldsThreeSectionsWithEveryTextExactly) {
    const std::vector<std::string> lines = SplitCrLf(DecodeUtf16(ReadLangFile(), 2));
    ASSERT_EQ(kLineCount, lines.size());
    ExpectSection(lines, 0, "ENGLISH.BRVT", kEnglish);
    EXPECT_EQ("", lines[kKeyCount + 1]);
    ExpectSection(lines, kKeyCount + 2, "KOREAN.BRVT", kKorean);
    EXPECT_EQ("", lines[2 * kKeyCount + 3]);
    ExpectSection(lines, 2 * kKeyCount + 4, "JAPANESE.BRVT", kJapanese);
}

TEST(LanguageFile, LongestValueFitsTheLookupBuffer) {
    for (const std::string& line : SplitCrLf(DecodeUtf16(ReadLangFile(), 2))) {
        const size_t eq = line.find('=');
        if (eq == std::string::npos) continue;
        // Count code points, not bytes: the lookup buffer counts UTF-16 units
        // and every text here lies in the basic plane.
        size_t units = 0;
        for (size_t i = eq + 1; i < line.size(); ++i) units += (static_cast<unsigned char>(line[i]) & 0xC0) != 0x80;
        EXPECT_LE(units, 255u) << line;
    }
}

}  // namespace
