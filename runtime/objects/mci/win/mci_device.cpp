#include "mci_device.h"

namespace {

class SystemPort : public MciPort {
public:
    MCIERROR Send(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) override
    {
        return ::mciSendCommandA(device, message, flags, params);
    }
    bool ErrorText(MCIERROR error, char* text, UINT size) override
    {
        return ::mciGetErrorStringA(error, text, size) != FALSE && text[0] != 0;
    }
};

MciPort* g_port = nullptr;

constexpr UINT kErrorTextSize = 256;

}  // namespace

MciPort& SystemMciPort()
{
    static SystemPort port;
    return port;
}

MciPort* SetMciPort(MciPort* port)
{
    MciPort* before = g_port;
    g_port = port;
    return before;
}

void ShowMciError(MciPort& port, MCIERROR error, HWND owner)
{
    char text[kErrorTextSize] = {};
    if (!port.ErrorText(error, text, sizeof text)) lstrcpynA(text, "Unknown Error", sizeof text);
    ::MessageBeep(MB_ICONEXCLAMATION);
    ::MessageBoxA(owner, text, "MCI Error", MB_OK | MB_ICONEXCLAMATION);
}

CMciDevice::CMciDevice() : m_port(g_port ? *g_port : SystemMciPort()) {}

MCIERROR CMciDevice::SendCommand(UINT message, DWORD_PTR flags, void* params)
{
    if (params) reinterpret_cast<MCI_GENERIC_PARMS*>(params)->dwCallback = DWORD_PTR(m_callbackWindow);
    const MCIERROR error = m_port.Send(m_deviceId, message, flags, DWORD_PTR(params));
    if (error != 0) {
        m_lastError = error;
        if (m_reportErrors) ShowMciError(m_port, error, m_errorOwner);
    }
    return error;
}

MCIERROR CMciDevice::Open(MCI_OPEN_PARMSA& params, DWORD_PTR flags)
{
    if (m_deviceId != 0) Close();
    const MCIERROR error = SendCommand(MCI_OPEN, flags, &params);
    if (error == 0) m_deviceId = params.wDeviceID;
    return error;
}

MCIERROR CMciDevice::OpenByName(const char* typeName, bool shareable)
{
    MCI_OPEN_PARMSA params = {};
    params.lpstrDeviceType = typeName;
    return Open(params, MCI_OPEN_TYPE | MCI_WAIT | (shareable ? MCI_OPEN_SHAREABLE : 0));
}

MCIERROR CMciDevice::OpenByTypeId(UINT typeId, bool shareable)
{
    MCI_OPEN_PARMSA params = {};
    params.lpstrDeviceType = reinterpret_cast<LPCSTR>(static_cast<ULONG_PTR>(typeId));
    return Open(params, MCI_OPEN_TYPE | MCI_OPEN_TYPE_ID | MCI_WAIT | (shareable ? MCI_OPEN_SHAREABLE : 0));
}

MCIERROR CMciDevice::Close()
{
    if (m_deviceId == 0) return 0;
    MCI_GENERIC_PARMS params = {};
    const MCIERROR error = SendCommand(MCI_CLOSE, 0, &params);
    if (error == 0) m_deviceId = 0;
    return error;
}

DWORD_PTR CMciDevice::GetStatus(DWORD item, DWORD track)
{
    MCI_STATUS_PARMS params = {};
    params.dwItem = item;
    params.dwTrack = track;
    const DWORD_PTR flags = MCI_STATUS_ITEM | (track > 0 ? MCI_TRACK : 0);
    return SendCommand(MCI_STATUS, flags, &params) == 0 ? params.dwReturn : 0;
}

MCIERROR CMciDevice::GetInfo(DWORD flags, char* text, DWORD size)
{
    MCI_INFO_PARMSA params = {};
    params.lpstrReturn = text;
    params.dwRetSize = size;
    return SendCommand(MCI_INFO, flags, &params);
}
