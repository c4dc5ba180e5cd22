// The test control registered in the prefix for as long as an object of this class lives: its class
// and the ProgIDs given, each pointing at it; what the ProgIDs named before is put back afterwards.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace qbktest {

constexpr const char* kProbeClassId = "{6D1A3F0E-5B1C-4C8E-9A51-2F7D3C0B9E13}";
constexpr const char* kProbeProgId = "QbkTest.Probe.1";

class ProbeRegistration {
public:
    explicit ProbeRegistration(std::vector<std::string> progIds) : progIds_(std::move(progIds))
    {
        const std::string clsid = std::string("CLSID\\") + kProbeClassId;
        ok_ = SetValue(clsid + "\\InprocServer32", "", ACTIVEX_PROBE_LIBRARY) &&
              SetValue(clsid + "\\InprocServer32", "ThreadingModel", "Apartment");
        for (const std::string& progId : progIds_) {
            HKEY key = nullptr;
            const bool existed =
                RegOpenKeyExA(HKEY_CLASSES_ROOT, (progId + "\\CLSID").c_str(), 0, KEY_READ, &key) == ERROR_SUCCESS;
            std::string before;
            if (existed) {
                char value[256] = "";
                DWORD size = sizeof value;
                if (RegQueryValueExA(key, nullptr, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size) ==
                    ERROR_SUCCESS)
                    before = value;
                RegCloseKey(key);
            }
            saved_.push_back({existed, before});
            ok_ = SetValue(progId + "\\CLSID", "", kProbeClassId) && ok_;
        }
    }
    ~ProbeRegistration()
    {
        for (size_t i = 0; i < progIds_.size(); ++i) {
            if (saved_[i].first)
                SetValue(progIds_[i] + "\\CLSID", "", saved_[i].second);
            else
                RegDeleteTreeA(HKEY_CLASSES_ROOT, progIds_[i].c_str());
        }
        RegDeleteTreeA(HKEY_CLASSES_ROOT, (std::string("CLSID\\") + kProbeClassId).c_str());
    }
    ProbeRegistration(const ProbeRegistration&) = delete;
    ProbeRegistration& operator=(const ProbeRegistration&) = delete;

    bool Ok() const { return ok_; }

private:
    static bool SetValue(const std::string& path, const char* name, const std::string& value)
    {
        HKEY key = nullptr;
        if (RegCreateKeyExA(HKEY_CLASSES_ROOT, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
            ERROR_SUCCESS)
            return false;
        const bool ok =
            RegSetValueExA(key, *name ? name : nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                           DWORD(value.size() + 1)) == ERROR_SUCCESS;
        RegCloseKey(key);
        return ok;
    }

    std::vector<std::string> progIds_;
    std::vector<std::pair<bool, std::string>> saved_;
    bool ok_ = false;
};

}  // namespace qbktest
