#include "data_key.h"

#include "KMemStream.h"

bool CutDataKey(KMemStream* key)
{
    if (!key || key->Size() < kDataKeyLength) return false;
    key->SetSize(kDataKeyLength);
    key->Seek(0);
    return true;
}
