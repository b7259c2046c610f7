#include "CWakeApp.h"

#include <vector>

#include "CommandRun.h"
#include "LineBreaks.h"
#include "LanguageSection.h"
#include "net/CSystemInfo.h"
#include "framework/CFile.h"
#include "framework/CMemory.h"
#include "framework/SystemLibrary.h"
#include "res/resource.h"
#include "wol/CWakeDlg.h"

CWakeApp theApp;

namespace {
const wchar_t kLangFileName[] = L"BRVT.lng";

// The arguments after the program's name, split as every Windows program
// splits them (CommandLineToArgvW). Shell32 is loaded only when there are
// some: a start without arguments costs nothing more than before.
std::vector<std::wstring> CommandLineArguments() {
    std::vector<std::wstring> args;
    const wchar_t* line = ::GetCommandLineW();
    // The program's name: quoted, or up to the first blank.
    if (*line == L'"') {
        for (++line; *line && *line != L'"'; ++line) {}
        if (*line) ++line;
    } else {
        while (*line && *line != L' ' && *line != L'\t') ++line;
    }
    while (*line == L' ' || *line == L'\t') ++line;
    if (!*line) return args;
    using SplitFn = LPWSTR*(WINAPI*)(LPCWSTR, int*);
    static const auto split = FindSystemProc<SplitFn>(L"shell32.dll", "CommandLineToArgvW");
    int count = 0;
    LPWSTR* argv = split ? split(::GetCommandLineW(), &count) : nullptr;
    const CLocalMemory block(argv);
    if (!argv) return args;
    for (int i = 1; i < count; ++i) args.push_back(argv[i]);
    return args;
}
// Longer texts are cut: 255 characters and the terminator.
constexpr DWORD kLangTextBuffer = 256;
}

CWakeApp::CWakeApp() : CWinApp(nullptr) {
    UseLangTextSource(this);
}

// Texts asked for after this object is gone read as their keys.
CWakeApp::~CWakeApp() {
    UseLangTextSource(nullptr);
}

void CWakeApp::UseLangFile(std::wstring file, std::wstring section) {
    m_strLangFile = std::move(file);
    m_strLangSection = std::move(section);
}

const void* LoadEmbeddedResource(unsigned id, unsigned type, unsigned long& size, const void*& data) {
    const HMODULE module = ::GetModuleHandleW(nullptr);
    const HRSRC info = ::FindResourceW(module, MAKEINTRESOURCEW(id & 0xFFFF), MAKEINTRESOURCEW(type & 0xFFFF));
    const HGLOBAL loaded = info ? ::LoadResource(module, info) : nullptr;
    size = info ? ::SizeofResource(module, info) : 0;
    data = loaded ? ::LockResource(loaded) : nullptr;
    return data;
}

bool CWakeApp::ExtractLangFile(const std::wstring& path) const {
    return ExtractResource(IDR_LANGFILE, RT_LANGFILE, path);
}

bool ExtractResource(unsigned id, unsigned type, const std::wstring& path) {
    unsigned long size = 0;
    const void* data = nullptr;
    // An empty file would pass for a language file with every text missing.
    if (!LoadEmbeddedResource(id, type, size, data) || size == 0) return false;

    CFile file;
    if (!file.OpenForWriting(path)) return false;
    const bool written = file.Write(data, size);
    if (file.Close() && written) return true;
    // A truncated language file would show wrong texts; better none at all.
    ::DeleteFileW(path.c_str());
    return false;
}

BOOL CWakeApp::InitInstance() {
    // The path is built as a string, so a long temporary directory cannot
    // overflow anything; a path the system refuses ends start-up below.
    wchar_t tempDir[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, tempDir);
    const std::wstring path = std::wstring(tempDir) + kLangFileName;

    if (!ExtractLangFile(path)) return FALSE;

    CSystemInfo systemInfo;
    wchar_t languageName[32] = {};
    systemInfo.GetLanguageName(languageName);
    UseLangFile(path, LanguageSectionFor(languageName));

    ::OutputDebugStringW(m_strLangFile.c_str());
    ::OutputDebugStringW(m_strLangSection.c_str());

    // A shortcut's, a script's or a scheduled task's: no dialog at all.
    const std::vector<std::wstring> args = CommandLineArguments();
    if (!args.empty()) {
        m_nExitCode = RunCommandLine(args);
        return FALSE;
    }

    CWakeDlg dlg;
    m_pMainWnd = &dlg;
    dlg.DoModal();
    return FALSE;
}

int CWakeApp::ExitInstance() {
    if (!m_strLangFile.empty()) ::DeleteFileW(m_strLangFile.c_str());
    const int code = CWinApp::ExitInstance();
    return m_nExitCode >= 0 ? m_nExitCode : code;
}

std::wstring CWakeApp::GetLangText(std::wstring key) const {
    wchar_t text[kLangTextBuffer] = {};
    ::GetPrivateProfileStringW(m_strLangSection.c_str(), key.c_str(), key.c_str(), text, kLangTextBuffer,
                               m_strLangFile.c_str());
    return ExpandLineBreaks(text);
}
