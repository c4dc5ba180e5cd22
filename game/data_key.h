// The data-file key: the program's key resource holds more bytes than the key uses.
#pragma once

class KMemStream;

constexpr int kDataKeyLength = 8561;

// Cuts the key to its length; false when it holds fewer bytes, which is no key at all.
bool CutDataKey(KMemStream* key);
