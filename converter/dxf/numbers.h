#pragma once
// The number grammar of DXF lines, as the C library's atoi and atof read it,
// but independent of any locale and without allocating.
#include <cstdint>
#include <string_view>

// atoi: leading white space, an optional sign, decimal digits up to the first
// other character; no digits give 0. Values beyond 32 bits saturate.
int32_t ParseGroupCode(std::string_view line);

// atof: leading white space, an optional sign, digits with an optional "."
// and an optional exponent introduced by e, E, d or D with an optional sign.
// Anything after the number is ignored; no number gives 0.0. The result is
// the correctly rounded double; overflow gives infinity, underflow zero.
double ParseValue(std::string_view line);
