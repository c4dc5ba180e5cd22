#include "serial_port.h"

#include <cstdio>

namespace {

// Throws the system's error of the call that just failed.
void Check(BOOL succeeded)
{
    if (!succeeded) throw CKtSerialPortException(::GetLastError());
}

}  // namespace

bool CKtSerialPortException::GetErrorMessage(char* text, UINT maxChars, UINT* helpContext) const
{
    if (helpContext) *helpContext = 0;
    if (!text || maxChars == 0) return false;
    char* system = nullptr;
    const DWORD length = ::FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr,
        m_errorCode, MAKELANGID(LANG_NEUTRAL, SUBLANG_SYS_DEFAULT), reinterpret_cast<char*>(&system), 0, nullptr);
    if (length == 0 || !system) {
        text[0] = '\0';
        return false;
    }
    ::lstrcpynA(text, system, int(maxChars));
    ::LocalFree(system);
    return true;
}

void ApplyLineSettings(DCB& dcb, DWORD baud, int parity, int dataBits, int stopBits, int flow)
{
    static const BYTE kParities[] = {EVENPARITY, MARKPARITY, NOPARITY, ODDPARITY, SPACEPARITY};
    static const BYTE kStopBits[] = {ONESTOPBIT, ONE5STOPBITS, TWOSTOPBITS};
    dcb.BaudRate = baud;
    if (parity >= 0 && parity < int(sizeof kParities)) dcb.Parity = kParities[parity];
    dcb.ByteSize = BYTE(dataBits);
    if (stopBits >= 0 && stopBits < int(sizeof kStopBits)) dcb.StopBits = kStopBits[stopBits];
    dcb.fDsrSensitivity = FALSE;
    switch (flow) {
    case kFlowNone: dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = dcb.fOutX = dcb.fInX = FALSE; break;
    case kFlowCtsRts:
    case kFlowCtsDtr:
        dcb.fOutxCtsFlow = TRUE;
        dcb.fOutxDsrFlow = dcb.fOutX = dcb.fInX = FALSE;
        break;
    case kFlowDsrRts:
    case kFlowDsrDtr:
        dcb.fOutxDsrFlow = TRUE;
        dcb.fOutxCtsFlow = dcb.fOutX = dcb.fInX = FALSE;
        break;
    case kFlowXonXoff:
        dcb.fOutX = dcb.fInX = TRUE;
        dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = FALSE;
        dcb.XonLim = dcb.XoffLim = 100;
        dcb.XonChar = 0x11;
        dcb.XoffChar = 0x13;
        break;
    default: return;
    }
    if (flow == kFlowCtsRts || flow == kFlowDsrRts) dcb.fRtsControl = RTS_CONTROL_HANDSHAKE;
    if (flow == kFlowCtsDtr || flow == kFlowDsrDtr) dcb.fDtrControl = DTR_CONTROL_HANDSHAKE;
}

CKtSerialPort::~CKtSerialPort() { Close(); }

void CKtSerialPort::OpenPort(int port, DWORD baud, int parity, int dataBits, int stopBits, int flow, bool overlapped)
{
    char name[32];
    std::snprintf(name, sizeof name, "\\\\.\\COM%d", port);
    const HANDLE handle = ::CreateFileA(name, GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        overlapped ? FILE_FLAG_OVERLAPPED : 0, nullptr);
    Check(handle != INVALID_HANDLE_VALUE);
    Close();
    m_handle = handle;
    m_overlapped = overlapped;
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    Check(::GetCommState(m_handle, &dcb));
    ApplyLineSettings(dcb, baud, parity, dataBits, stopBits, flow);
    Check(::SetCommState(m_handle, &dcb));
}

void CKtSerialPort::Close()
{
    if (m_handle != INVALID_HANDLE_VALUE) ::CloseHandle(m_handle);
    m_handle = INVALID_HANDLE_VALUE;
    m_overlapped = false;
}

DWORD CKtSerialPort::ReadBytes(void* buffer, DWORD count)
{
    DWORD read = 0;
    Check(::ReadFile(m_handle, buffer, count, &read, nullptr));
    return read;
}

DWORD CKtSerialPort::WriteBytes(const void* buffer, DWORD count)
{
    DWORD written = 0;
    Check(::WriteFile(m_handle, buffer, count, &written, nullptr));
    return written;
}

void CKtSerialPort::SetBreak() { Check(::SetCommBreak(m_handle)); }
void CKtSerialPort::ClearBreak() { Check(::ClearCommBreak(m_handle)); }
void CKtSerialPort::Escape(DWORD function) { Check(::EscapeCommFunction(m_handle, function)); }
void CKtSerialPort::ClearDtr() { Escape(CLRDTR); }
void CKtSerialPort::ClearRts() { Escape(CLRRTS); }
void CKtSerialPort::SetDtr() { Escape(SETDTR); }
void CKtSerialPort::SetRts() { Escape(SETRTS); }
void CKtSerialPort::SetXoff() { Escape(SETXOFF); }
void CKtSerialPort::SetXon() { Escape(SETXON); }

DWORD CKtSerialPort::GetBaudRate()
{
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    Check(::GetCommState(m_handle, &dcb));
    return dcb.BaudRate;
}

void CKtSerialPort::SetBaudRate(DWORD baud)
{
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    Check(::GetCommState(m_handle, &dcb));
    dcb.BaudRate = baud;
    Check(::SetCommState(m_handle, &dcb));
}

void CKtSerialPort::FlushOutput() { Check(::FlushFileBuffers(m_handle)); }
void CKtSerialPort::PurgeOutput() { Check(::PurgeComm(m_handle, PURGE_TXCLEAR)); }
void CKtSerialPort::PurgeInput() { Check(::PurgeComm(m_handle, PURGE_RXCLEAR)); }

void CKtSerialPort::ApplyTimeouts(const COMMTIMEOUTS& timeouts)
{
    COMMTIMEOUTS copy = timeouts;
    Check(::SetCommTimeouts(m_handle, &copy));
}

void CKtSerialPort::GetTimeouts(COMMTIMEOUTS& timeouts) { Check(::GetCommTimeouts(m_handle, &timeouts)); }
