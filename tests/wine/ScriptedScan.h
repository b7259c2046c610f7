#pragma once
// A scan without a network for the window's tests: a plan of 10.0.0.0/24,
// two PCs (one named later), and a router whose proxy ARP answers for
// seventeen addresses; and a test's list of saved PCs.
#include <windows.h>

#include <map>
#include <vector>

#include "findpcs/SavedPcBook.h"
#include "findpcs/ScanRun.h"

ScanResult ScriptedScan(HANDLE stop, ScanListener& listener);
// The same plan and first PC, then nothing until the scan is stopped.
ScanResult ScanUntilStopped(HANDLE stop, ScanListener& listener);

class TestBook final : public SavedPcBook {
public:
    std::map<MacAddress, std::wstring> names;
    std::vector<std::vector<PcToSave>> saves;

    std::wstring SavedNameOf(const MacAddress& mac) const override {
        const auto it = names.find(mac);
        return it == names.end() ? std::wstring() : it->second;
    }
    std::wstring Save(const std::vector<PcToSave>& pcs) override {
        saves.push_back(pcs);
        return L"saved";
    }
};
