#pragma once
#include <string>

#include "text/LangTexts.h"
#include "framework/CWinApp.h"

class CWakeApp final : public CWinApp, public LangTextSource {
public:
    CWakeApp();
    ~CWakeApp() override;

    BOOL InitInstance() override;
    int ExitInstance() override;

    // The text of a key in the chosen language section, with "\n" made a line
    // feed; the key itself when the key, the section or the file is missing.
    std::wstring GetLangText(std::wstring key) const override;

    // Writes the embedded language file; false when it could not be written
    // whole (a partly written file is removed again) or the executable lacks it.
    bool ExtractLangFile(const std::wstring& path) const;

    // Where every lookup reads: the extracted file and the chosen section.
    void UseLangFile(std::wstring file, std::wstring section);

private:
    int m_nExitCode = -1;  // the command line's, when one ran
    std::wstring m_strLangFile;
    std::wstring m_strLangSection;
};

extern CWakeApp theApp;

// The bytes of one of this executable's resources (only the low 16 bits of id
// and type count). Checks nothing: an absent resource gives size 0.
const void* LoadEmbeddedResource(unsigned id, unsigned type, unsigned long& size, const void*& data);

// Writes one of this executable's resources to a file. False, with no file
// made, when the resource is absent or empty; false, with the partial file
// removed, when it cannot be written whole.
bool ExtractResource(unsigned id, unsigned type, const std::wstring& path);
