// CCdAudio: an audio CD on the MCI CD audio device: tracks, ranges, pause, the tray door,
// lengths and positions in the device's current time format.
#pragma once

#include "mci_device.h"

class CCdAudio : public CMciDevice {
public:
    ~CCdAudio() override;

    MCIERROR Open(bool shareable) { return OpenByTypeId(MCI_DEVTYPE_CD_AUDIO, shareable); }
    MCIERROR SetTimeFormat(DWORD format);
    // Between two positions of the current time format.
    MCIERROR PlayRange(DWORD from, DWORD to, bool notify);
    // The whole track; the time format is switched to tracks for the call and put back.
    MCIERROR PlayTrack(DWORD track, bool notify);
    MCIERROR Stop();
    MCIERROR Pause();
    MCIERROR Resume();
    MCIERROR SetDoor(bool open);

    DWORD GetLength() { return DWORD(GetStatus(MCI_STATUS_LENGTH)); }
    DWORD GetPosition() { return DWORD(GetStatus(MCI_STATUS_POSITION)); }
    DWORD GetTrackCount() { return DWORD(GetStatus(MCI_STATUS_NUMBER_OF_TRACKS)); }
    DWORD GetCurrentTrack() { return DWORD(GetStatus(MCI_STATUS_CURRENT_TRACK)); }
    DWORD GetTrackPosition(DWORD track) { return DWORD(GetStatus(MCI_STATUS_POSITION, track)); }
    DWORD GetTrackLength(DWORD track) { return DWORD(GetStatus(MCI_STATUS_LENGTH, track)); }
};
