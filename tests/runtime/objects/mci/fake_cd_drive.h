// A CD drive behind the MCI port for tests: it records every command and answers as a drive
// would, with a disc of given track lengths, a position, and the refusals a test asks for.
#pragma once

#include "mci_device.h"

#include <map>
#include <string>
#include <vector>

namespace cdtest {

constexpr MCIDEVICEID kDeviceId = 7;

struct Sent {
    UINT message;
    DWORD_PTR flags;
    DWORD from, to, item, track, format;
};

class FakeCdDrive : public MciPort {
public:
    std::vector<Sent> sent;
    DWORD format = MCI_FORMAT_MSF;
    std::map<UINT, MCIERROR> refuse;  // message -> error it answers
    MCIERROR refuseFormat = 0;  // for one time format: TMSF
    std::map<DWORD, DWORD> trackLengths;  // as the time format packs them
    std::map<DWORD, DWORD> trackStarts;
    DWORD position = 0, currentTrack = 0, length = 0;
    bool open = false;

    MCIERROR Send(MCIDEVICEID device, UINT message, DWORD_PTR flags, DWORD_PTR params) override
    {
        Sent s = {message, flags, 0, 0, 0, 0, 0};
        if (message == MCI_PLAY) {
            auto* p = reinterpret_cast<MCI_PLAY_PARMS*>(params);
            s.from = p->dwFrom;
            s.to = p->dwTo;
        }
        if (message == MCI_STATUS) {
            auto* p = reinterpret_cast<MCI_STATUS_PARMS*>(params);
            s.item = p->dwItem;
            s.track = DWORD(p->dwTrack);
        }
        if (message == MCI_SET && (flags & MCI_SET_TIME_FORMAT))
            s.format = reinterpret_cast<MCI_SET_PARMS*>(params)->dwTimeFormat;
        sent.push_back(s);
        if (message == MCI_OPEN) {
            if (device != 0) return MCIERR_INVALID_DEVICE_ID;
            auto* p = reinterpret_cast<MCI_OPEN_PARMSA*>(params);
            if (refuse.count(MCI_OPEN)) return refuse[MCI_OPEN];
            p->wDeviceID = kDeviceId;
            open = true;
            return 0;
        }
        if (!open || device != kDeviceId) return MCIERR_INVALID_DEVICE_ID;
        if (refuse.count(message)) return refuse[message];
        switch (message) {
        case MCI_CLOSE: open = false; return 0;
        case MCI_SET:
            if (flags & MCI_SET_TIME_FORMAT) {
                if (refuseFormat && s.format == MCI_FORMAT_TMSF) return refuseFormat;
                format = s.format;
            }
            return 0;
        case MCI_STATUS: {
            auto* p = reinterpret_cast<MCI_STATUS_PARMS*>(params);
            if (s.item == MCI_STATUS_TIME_FORMAT)
                p->dwReturn = format;
            else if (s.item == MCI_STATUS_LENGTH && (flags & MCI_TRACK))
                p->dwReturn = trackLengths[s.track];
            else if (s.item == MCI_STATUS_LENGTH)
                p->dwReturn = length;
            else if (s.item == MCI_STATUS_POSITION && (flags & MCI_TRACK))
                p->dwReturn = trackStarts[s.track];
            else if (s.item == MCI_STATUS_POSITION)
                p->dwReturn = position;
            else if (s.item == MCI_STATUS_NUMBER_OF_TRACKS)
                p->dwReturn = DWORD(trackStarts.size());
            else if (s.item == MCI_STATUS_CURRENT_TRACK)
                p->dwReturn = currentTrack;
            else
                return MCIERR_UNSUPPORTED_FUNCTION;
            return 0;
        }
        default: return 0;
        }
    }
    bool ErrorText(MCIERROR error, char* text, UINT size) override
    {
        lstrcpynA(text, ("drive error " + std::to_string(error)).c_str(), int(size));
        return true;
    }
    int Count(UINT message) const
    {
        int n = 0;
        for (const Sent& s : sent) n += s.message == message;
        return n;
    }
};

}  // namespace cdtest
