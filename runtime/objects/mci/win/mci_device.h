// CMciDevice: one device of the Media Control Interface, opened by type, with its status items
// and information texts; the last error is kept and, when asked for, shown to the user.
#pragma once

#include <windows.h>
#include <mmsystem.h>

// Where MCI commands go: the system, or a test's device.
class MciPort {
public:
    virtual ~MciPort() = default;
    virtual MCIERROR Send(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) = 0;
    // The system's text for an error; false when it has none.
    virtual bool ErrorText(MCIERROR error, char* text, UINT size) = 0;
};

MciPort& SystemMciPort();
// The port new devices use; answers the one in use before.
MciPort* SetMciPort(MciPort* port);

// How a failed command is shown: a warning beep and a box captioned "MCI Error" with the error's
// text, owned by the window given. Every failure report of the devices passes here.
void ShowMciError(MciPort& port, MCIERROR error, HWND owner);

class CMciDevice {
public:
    CMciDevice();
    virtual ~CMciDevice() = default;
    CMciDevice(const CMciDevice&) = delete;
    CMciDevice& operator=(const CMciDevice&) = delete;

    virtual MCIERROR OpenByName(const char* typeName, bool shareable);
    virtual MCIERROR OpenByTypeId(UINT typeId, bool shareable);
    virtual MCIERROR Close();
    // The item's value; 0 when the command failed. With track > 0 the item of that track.
    virtual DWORD_PTR GetStatus(DWORD item, DWORD track = 0);
    virtual DWORD_PTR GetMode() { return GetStatus(MCI_STATUS_MODE); }
    virtual MCIERROR GetInfo(DWORD flags, char* text, DWORD size);

    MCIERROR SendCommand(UINT message, DWORD_PTR flags, void* params);
    bool IsOpen() const { return m_deviceId != 0; }
    MCIDEVICEID DeviceId() const { return m_deviceId; }
    MCIERROR LastError() const { return m_lastError; }
    void SetCallbackWindow(HWND window) { m_callbackWindow = window; }
    HWND CallbackWindow() const { return m_callbackWindow; }
    // Failures shown in a box owned by the window (the desktop's when none is given).
    void SetReportErrors(bool report, HWND owner = nullptr)
    {
        m_reportErrors = report;
        m_errorOwner = owner;
    }

private:
    MCIERROR Open(MCI_OPEN_PARMSA& params, DWORD_PTR flags);

    MciPort& m_port;
    MCIDEVICEID m_deviceId = 0;
    HWND m_callbackWindow = nullptr;
    MCIERROR m_lastError = 0;
    bool m_reportErrors = false;
    HWND m_errorOwner = nullptr;
};
