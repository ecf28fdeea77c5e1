// Any bytes as the file of a program module, checked before the loader would
// map it: nothing may crash, read past the bytes or throw, a second check
// gives the same answer, and a file let through has every loadable segment
// within its bytes.

#include "fuzz_support.h"
#include "platform/module_file.h"

#include <QBuffer>

#include <elf.h>

#include <cstring>

using namespace zyt;

namespace {

// Every loadable segment of a native ELF header in `bytes` lies within them.
bool loadsWithin(const QByteArray &bytes)
{
    Elf64_Ehdr h;
    if (size_t(bytes.size()) < sizeof h)
        return false;
    std::memcpy(&h, bytes.constData(), sizeof h);
    const quint64 size = quint64(bytes.size());
    for (quint64 k = 0; k < h.e_phnum; ++k) {
        const quint64 at = h.e_phoff + k * sizeof(Elf64_Phdr);
        if (at > size || size - at < sizeof(Elf64_Phdr))
            return false;
        Elf64_Phdr p;
        std::memcpy(&p, bytes.constData() + at, sizeof p);
        if (p.p_type == PT_LOAD && (p.p_offset > size || p.p_filesz > size - p.p_offset))
            return false;
    }
    return true;
}

void run(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer file(&data);
    FUZZ_CHECK(file.open(QIODevice::ReadOnly));
    const ModuleFile first = checkModuleFile(file);
    FUZZ_CHECK(checkModuleFile(file) == first);
    FUZZ_CHECK((first == ModuleFile::Empty) == bytes.isEmpty());
    if (first == ModuleFile::Fits) {
        FUZZ_CHECK(bytes.startsWith(ELFMAG));
        FUZZ_CHECK(loadsWithin(bytes));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, size_t size)
{
    try {
        run(QByteArray(reinterpret_cast<const char *>(data), qsizetype(size)));
    } catch (...) {
        FUZZ_CHECK(!"an exception escaped the module file check");
    }
    return 0;
}
