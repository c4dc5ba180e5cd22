#include "cd_audio.h"

CCdAudio::~CCdAudio()
{
    if (!IsOpen()) return;
    SetReportErrors(false);  // no boxes while the program closes
    Stop();
    Close();
}

MCIERROR CCdAudio::SetTimeFormat(DWORD format)
{
    MCI_SET_PARMS params = {};
    params.dwTimeFormat = format;
    return SendCommand(MCI_SET, MCI_SET_TIME_FORMAT, &params);
}

MCIERROR CCdAudio::PlayRange(DWORD from, DWORD to, bool notify)
{
    MCI_PLAY_PARMS params = {};
    params.dwFrom = from;
    params.dwTo = to;
    return SendCommand(MCI_PLAY, MCI_FROM | MCI_TO | (notify ? MCI_NOTIFY : 0), &params);
}

MCIERROR CCdAudio::PlayTrack(DWORD track, bool notify)
{
    const DWORD format = DWORD(GetStatus(MCI_STATUS_TIME_FORMAT));
    MCIERROR error = SetTimeFormat(MCI_FORMAT_TMSF);
    if (error != 0) return error;
    // The track's length comes packed as minutes, seconds and frames.
    const DWORD length = GetTrackLength(track);
    error =
        PlayRange(MCI_MAKE_TMSF(track, 0, 0, 0),
                  MCI_MAKE_TMSF(track, MCI_MSF_MINUTE(length), MCI_MSF_SECOND(length), MCI_MSF_FRAME(length)), notify);
    const MCIERROR restored = SetTimeFormat(format);
    return error != 0 ? error : restored;
}

MCIERROR CCdAudio::Stop()
{
    MCI_GENERIC_PARMS params = {};
    return SendCommand(MCI_STOP, 0, &params);
}

MCIERROR CCdAudio::Pause()
{
    MCI_GENERIC_PARMS params = {};
    return SendCommand(MCI_PAUSE, 0, &params);
}

MCIERROR CCdAudio::Resume()
{
    MCI_GENERIC_PARMS params = {};
    return SendCommand(MCI_RESUME, 0, &params);
}

MCIERROR CCdAudio::SetDoor(bool open)
{
    MCI_SET_PARMS params = {};
    return SendCommand(MCI_SET, open ? MCI_SET_DOOR_OPEN : MCI_SET_DOOR_CLOSED, &params);
}
