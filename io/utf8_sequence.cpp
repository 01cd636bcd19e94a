#include "io/utf8_sequence.h"

namespace {

struct LeadByte {
    unsigned char first, last;  // the range of lead bytes
    int size;
    unsigned char secondMin, secondMax;  // what the second byte may be
};

// The well-formed sequences of more than one byte; the bytes after the
// second are all 80 to BF.
const LeadByte kLeadBytes[] = {
    {0xC2, 0xDF, 2, 0x80, 0xBF}, {0xE0, 0xE0, 3, 0xA0, 0xBF}, {0xE1, 0xEC, 3, 0x80, 0xBF},
    {0xED, 0xED, 3, 0x80, 0x9F}, {0xEE, 0xEF, 3, 0x80, 0xBF}, {0xF0, 0xF0, 4, 0x90, 0xBF},
    {0xF1, 0xF3, 4, 0x80, 0xBF}, {0xF4, 0xF4, 4, 0x80, 0x8F},
};

bool InRange(char c, unsigned char min, unsigned char max) {
    const unsigned char u = static_cast<unsigned char>(c);
    return u >= min && u <= max;
}

}  // namespace

int Utf8SequenceSize(const char* from, const char* to) {
    if (InRange(*from, 0x00, 0x7F)) {
        return 1;
    }
    for (const LeadByte& lead : kLeadBytes) {
        if (!InRange(*from, lead.first, lead.last)) {
            continue;
        }
        for (int k = 1; k < lead.size; ++k) {
            if (from + k == to) {
                return -1;
            }
            const bool second = k == 1;
            if (!InRange(from[k], second ? lead.secondMin : 0x80, second ? lead.secondMax : 0xBF)) {
                return 0;
            }
        }
        return lead.size;
    }
    return 0;
}
