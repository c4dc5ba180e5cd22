#include "serial_port.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

DCB DeviceBlock()
{
    DCB dcb = {};
    dcb.DCBlength = sizeof dcb;
    dcb.Parity = MARKPARITY;
    dcb.StopBits = TWOSTOPBITS;
    dcb.fOutxCtsFlow = dcb.fOutxDsrFlow = dcb.fOutX = dcb.fInX = TRUE;
    dcb.fDsrSensitivity = TRUE;
    dcb.fRtsControl = RTS_CONTROL_ENABLE;
    dcb.fDtrControl = DTR_CONTROL_ENABLE;
    return dcb;
}

TEST(SerialPortSettings, ParityStopBitsAndFlowByIndex)
{
    struct Case {
        int parity, stop, flow;
        BYTE wantParity, wantStop;
        bool cts, dsr, outX, inX;
        DWORD rts, dtr;
    } cases[] = {
        {2, 0, kFlowNone, NOPARITY, ONESTOPBIT, false, false, false, false, RTS_CONTROL_ENABLE, DTR_CONTROL_ENABLE},
        {0, 1, kFlowCtsRts, EVENPARITY, ONE5STOPBITS, true, false, false, false, RTS_CONTROL_HANDSHAKE,
         DTR_CONTROL_ENABLE},
        {3, 2, kFlowCtsDtr, ODDPARITY, TWOSTOPBITS, true, false, false, false, RTS_CONTROL_ENABLE,
         DTR_CONTROL_HANDSHAKE},
        {4, 0, kFlowDsrRts, SPACEPARITY, ONESTOPBIT, false, true, false, false, RTS_CONTROL_HANDSHAKE,
         DTR_CONTROL_ENABLE},
        {1, 0, kFlowDsrDtr, MARKPARITY, ONESTOPBIT, false, true, false, false, RTS_CONTROL_ENABLE,
         DTR_CONTROL_HANDSHAKE},
        {2, 0, kFlowXonXoff, NOPARITY, ONESTOPBIT, false, false, true, true, RTS_CONTROL_ENABLE, DTR_CONTROL_ENABLE},
        // Indexes outside the tables keep what the device had.
        {7, 9, 6, MARKPARITY, TWOSTOPBITS, true, true, true, true, RTS_CONTROL_ENABLE, DTR_CONTROL_ENABLE},
    };
    for (const Case& c : cases) {
        DCB dcb = DeviceBlock();
        ApplyLineSettings(dcb, 19200, c.parity, 7, c.stop, c.flow);
        EXPECT_EQ(dcb.BaudRate, 19200u);
        EXPECT_EQ(dcb.ByteSize, 7);
        EXPECT_FALSE(dcb.fDsrSensitivity);
        EXPECT_EQ(dcb.Parity, c.wantParity) << c.parity;
        EXPECT_EQ(dcb.StopBits, c.wantStop) << c.stop;
        EXPECT_EQ(bool(dcb.fOutxCtsFlow), c.cts) << c.flow;
        EXPECT_EQ(bool(dcb.fOutxDsrFlow), c.dsr) << c.flow;
        EXPECT_EQ(bool(dcb.fOutX), c.outX) << c.flow;
        EXPECT_EQ(bool(dcb.fInX), c.inX) << c.flow;
        EXPECT_EQ(dcb.fRtsControl, c.rts) << c.flow;
        EXPECT_EQ(dcb.fDtrControl, c.dtr) << c.flow;
    }
    DCB dcb = DeviceBlock();
    ApplyLineSettings(dcb, 9600, 2, 8, 0, kFlowXonXoff);
    EXPECT_EQ(dcb.XonChar, 0x11);
    EXPECT_EQ(dcb.XoffChar, 0x13);
    EXPECT_EQ(dcb.XonLim, 100);
    EXPECT_EQ(dcb.XoffLim, 100);
}

TEST(SerialPortSettings, MissingPortThrowsTheSystemsError)
{
    CKtSerialPort port;
    try {
        port.OpenPort(199, 9600, 2, 8, 0, 0, false);
        FAIL() << "a missing port opened";
    } catch (const CKtSerialPortException& error) {
        EXPECT_EQ(error.GetErrorCode(), DWORD(ERROR_FILE_NOT_FOUND));
        char text[256] = "x";
        UINT help = 7;
        EXPECT_TRUE(error.GetErrorMessage(text, sizeof text, &help));
        EXPECT_GT(std::strlen(text), 0u);
        EXPECT_EQ(help, 0u);
        char tiny[4];
        EXPECT_TRUE(error.GetErrorMessage(tiny, sizeof tiny));
        EXPECT_EQ(std::strlen(tiny), 3u);  // cut to the room given
    }
    EXPECT_FALSE(port.IsOpen());
}

}  // namespace
