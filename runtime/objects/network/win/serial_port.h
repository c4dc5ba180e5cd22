// CKtSerialPort: a thin class over a communications handle ("\\.\COMn"): line settings, time-outs,
// reads and writes, the modem lines and the queues. Every failing system call throws
// CKtSerialPortException with the system's error code; callers catch it (Windows only).
#pragma once

#include <windows.h>

class CKtSerialPortException {
public:
    explicit CKtSerialPortException(DWORD errorCode) : m_errorCode(errorCode) {}
    DWORD GetErrorCode() const { return m_errorCode; }
    // The system's text for the code, cut to maxChars (terminator included); false and an empty
    // text when the system has none.
    bool GetErrorMessage(char* text, UINT maxChars, UINT* helpContext = nullptr) const;

private:
    DWORD m_errorCode;
};

// Parity, stop-bit and flow-control choices by index; an index outside a table leaves the
// device's setting as it was.
enum SerialParity { kParityEven, kParityMark, kParityNone, kParityOdd, kParitySpace };
enum SerialStopBits { kStopOne, kStopOneAndHalf, kStopTwo };
enum SerialFlow { kFlowNone, kFlowCtsRts, kFlowCtsDtr, kFlowDsrRts, kFlowDsrDtr, kFlowXonXoff };

// The line settings written into a device control block as read from the device.
void ApplyLineSettings(DCB& dcb, DWORD baud, int parity, int dataBits, int stopBits, int flow);

class CKtSerialPort {
public:
    CKtSerialPort() = default;
    virtual ~CKtSerialPort();
    CKtSerialPort(const CKtSerialPort&) = delete;
    CKtSerialPort& operator=(const CKtSerialPort&) = delete;

    void OpenPort(int port, DWORD baud, int parity, int dataBits, int stopBits, int flow, bool overlapped);
    void Close();
    bool IsOpen() const { return m_handle != INVALID_HANDLE_VALUE; }

    DWORD ReadBytes(void* buffer, DWORD count);
    DWORD WriteBytes(const void* buffer, DWORD count);
    void SetBreak();
    void ClearBreak();
    void ClearDtr();
    void ClearRts();
    void SetDtr();
    void SetRts();
    void SetXoff();
    void SetXon();
    DWORD GetBaudRate();
    void SetBaudRate(DWORD baud);
    // Waits until the bytes written have left the output queue.
    void FlushOutput();
    void PurgeOutput();
    void PurgeInput();
    void ApplyTimeouts(const COMMTIMEOUTS& timeouts);
    void GetTimeouts(COMMTIMEOUTS& timeouts);

private:
    void Escape(DWORD function);

    HANDLE m_handle = INVALID_HANDLE_VALUE;
    bool m_overlapped = false;
};
