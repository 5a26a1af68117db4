// Any text into the readers of typed and stored numbers and the name-box limit.
#include <cmath>
#include <cstdlib>

#include "state/numbers.h"
#include "state/text.h"

extern "C" int LLVMFuzzerTestOneInput(const char* data, size_t size) {
    const QString text = QString::fromUtf8(data, static_cast<qsizetype>(size));
    const double v = zentar::leadingNumber(text);
    if (!std::isfinite(v)) std::abort();
    zentar::roundEven(v);
    zentar::truncate(v);
    double stored = 0;
    if (zentar::parseStoredNumber(text, stored) && !std::isfinite(stored)) std::abort();
    const QString cut = zentar::sjisTruncate(text, 20);
    if (zentar::sjisByteLength(cut) > 20 || !text.startsWith(cut)) std::abort();
    return 0;
}
