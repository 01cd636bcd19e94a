// Well-formed UTF-8, byte by byte (The Unicode Standard, Table 3-7).
#ifndef BRACING_IO_UTF8_SEQUENCE_H
#define BRACING_IO_UTF8_SEQUENCE_H

// How many bytes the character at `from` takes when they are well-formed
// UTF-8 (1 to 4); 0 when they are not; -1 when `to` cuts them short and
// more bytes could still make them whole. `from` is before `to`.
int Utf8SequenceSize(const char* from, const char* to);

#endif
