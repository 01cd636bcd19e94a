// A scratch file written first and read back later: a sheet's pages wait in
// one until its summary is done.
#ifndef BRACING_IO_SPOOL_H
#define BRACING_IO_SPOOL_H

#include <cstdio>
#include <functional>
#include <string_view>

// Hands what was written to `spool`, from its start, to `take` a block at a
// time, until the end or until `take` returns false. False, with errno set,
// when the spool could not be flushed, rewound or read.
bool ReadSpool(std::FILE* spool, const std::function<bool(std::string_view)>& take);

#endif
