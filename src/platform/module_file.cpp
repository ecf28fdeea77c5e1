#include "module_file.h"

#include <QIODevice>
#include <QtGlobal>

#include <elf.h>

#include <algorithm>
#include <cstring>
#include <vector>

namespace zyt {

namespace {

#if Q_PROCESSOR_WORDSIZE == 8
using Ehdr = Elf64_Ehdr;
using Phdr = Elf64_Phdr;
using Shdr = Elf64_Shdr;
using Dyn = Elf64_Dyn;
constexpr unsigned char NativeClass = ELFCLASS64;
#else
using Ehdr = Elf32_Ehdr;
using Phdr = Elf32_Phdr;
using Shdr = Elf32_Shdr;
using Dyn = Elf32_Dyn;
constexpr unsigned char NativeClass = ELFCLASS32;
#endif

constexpr unsigned char NativeOrder = Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? ELFDATA2LSB : ELFDATA2MSB;

// The processor the program runs on; EM_NONE where it is not told apart.
constexpr Elf32_Half NativeMachine =
#if defined(Q_PROCESSOR_X86_64)
    EM_X86_64;
#elif defined(Q_PROCESSOR_X86_32)
    EM_386;
#elif defined(Q_PROCESSOR_ARM_64)
    EM_AARCH64;
#elif defined(Q_PROCESSOR_ARM_32)
    EM_ARM;
#else
    EM_NONE;
#endif

#ifndef PT_GNU_PROPERTY
constexpr Elf32_Word PT_GNU_PROPERTY = 0x6474e553;
#endif

// Far more segments than a linker writes for a library.
constexpr int MaxSegments = 256;

// [offset, offset + size) within [0, limit), without overflow.
bool within(quint64 offset, quint64 size, quint64 limit)
{
    return offset <= limit && size <= limit - offset;
}

// [start, start + size) within [outer, outer + outerSize).
bool inside(quint64 start, quint64 size, quint64 outer, quint64 outerSize)
{
    return start >= outer && within(start - outer, size, outerSize);
}

bool readAt(QIODevice &file, quint64 offset, void *to, qint64 size)
{
    return offset <= quint64(file.size()) && file.seek(qint64(offset)) &&
           file.read(static_cast<char *>(to), size) == size;
}

bool powerOfTwo(quint64 n) { return (n & (n - 1)) == 0; }

} // namespace

ModuleFile checkModuleFile(QIODevice &file)
{
    const qint64 size = file.size();
    if (size <= 0)
        return ModuleFile::Empty;
    const quint64 fileSize = quint64(size);

    Ehdr h;
    std::memset(&h, 0, sizeof h);
    const qint64 got = file.seek(0) ? file.read(reinterpret_cast<char *>(&h), sizeof h) : -1;
    if (got <= 0)
        return ModuleFile::Unreadable;
    if (std::memcmp(h.e_ident, ELFMAG, size_t(std::min<qint64>(got, SELFMAG))) != 0)
        return ModuleFile::NotAModule;
    if (got < qint64(sizeof h))
        return ModuleFile::CutShort;
    if (h.e_ident[EI_CLASS] != NativeClass || h.e_ident[EI_DATA] != NativeOrder ||
        h.e_type != ET_DYN || (NativeMachine != EM_NONE && h.e_machine != NativeMachine))
        return ModuleFile::NotAModule;
    if (h.e_ident[EI_VERSION] != EV_CURRENT || h.e_version != EV_CURRENT ||
        h.e_ehsize != sizeof(Ehdr) || h.e_phentsize != sizeof(Phdr) || h.e_phnum == 0 ||
        h.e_phnum > MaxSegments)
        return ModuleFile::Damaged;

    // The linker writes the table of sections last: a file cut anywhere
    // loses its end first.
    if (h.e_shoff != 0) {
        if (h.e_shentsize != sizeof(Shdr) ||
            (h.e_shnum != 0 && h.e_shstrndx >= h.e_shnum && h.e_shstrndx != SHN_XINDEX))
            return ModuleFile::Damaged;
        // No count: it is kept in the first entry.
        const quint64 sections = std::max<quint64>(h.e_shnum, 1);
        if (!within(h.e_shoff, sections * sizeof(Shdr), fileSize))
            return ModuleFile::CutShort;
    }

    if (!within(h.e_phoff, quint64(h.e_phnum) * sizeof(Phdr), fileSize))
        return ModuleFile::CutShort;
    std::vector<Phdr> segments(h.e_phnum);
    if (!readAt(file, h.e_phoff, segments.data(), qint64(segments.size() * sizeof(Phdr))))
        return ModuleFile::Unreadable;

    // The loader maps the loadable segments in one span in address order.
    std::vector<const Phdr *> loads;
    for (const Phdr &p : segments) {
        if (!within(p.p_offset, p.p_filesz, fileSize))
            return ModuleFile::CutShort;
        if (p.p_type != PT_LOAD)
            continue;
        if (p.p_filesz > p.p_memsz || !within(p.p_vaddr, p.p_memsz, ~quint64(0)) ||
            !powerOfTwo(p.p_align) ||
            (p.p_align > 1 && ((p.p_vaddr - p.p_offset) & (p.p_align - 1)) != 0))
            return ModuleFile::Damaged;
        if (!loads.empty() && p.p_vaddr < loads.back()->p_vaddr + loads.back()->p_memsz)
            return ModuleFile::Damaged;
        loads.push_back(&p);
    }
    if (loads.empty())
        return ModuleFile::Damaged;

    // What the loader reads at its address must come from the file; what
    // it protects must lie in the span it mapped.
    const auto fromFile = [&loads](quint64 address, quint64 bytes) {
        return std::any_of(loads.begin(), loads.end(), [&](const Phdr *load) {
            return inside(address, bytes, load->p_vaddr, load->p_filesz);
        });
    };
    const auto mapped = [&loads](quint64 address, quint64 bytes) {
        return std::any_of(loads.begin(), loads.end(), [&](const Phdr *load) {
            return inside(address, bytes, load->p_vaddr, load->p_memsz);
        });
    };
    int dynamicSections = 0;
    for (const Phdr &p : segments) {
        switch (p.p_type) {
        case PT_DYNAMIC:
            ++dynamicSections;
            if (p.p_filesz < sizeof(Dyn))
                return ModuleFile::Damaged;
            [[fallthrough]];
        case PT_NOTE:
        case PT_PHDR:
        case PT_GNU_EH_FRAME:
        case PT_GNU_PROPERTY:
            if (!fromFile(p.p_vaddr, std::max(p.p_filesz, p.p_memsz)))
                return ModuleFile::Damaged;
            break;
        case PT_TLS:
            if (p.p_filesz > p.p_memsz || !fromFile(p.p_vaddr, p.p_filesz))
                return ModuleFile::Damaged;
            break;
        case PT_GNU_RELRO:
            if (!mapped(p.p_vaddr, p.p_memsz))
                return ModuleFile::Damaged;
            break;
        default:
            break;
        }
    }
    return dynamicSections == 1 ? ModuleFile::Fits : ModuleFile::Damaged;
}

} // namespace zyt
