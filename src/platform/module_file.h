#pragma once

class QIODevice;

namespace zyt {

// What a shared library file holds, as far as it matters before the system's
// loader maps it into the program.
enum class ModuleFile {
    Fits,       // every part the loader maps or reads lies within the file
    Empty,      // no bytes at all
    Unreadable, // the bytes could not be read
    NotAModule, // no shared library of this system (a picture, an executable)
    CutShort,   // a part lies past the file's end, as an interrupted copy leaves it
    Damaged,    // the headers contradict themselves
};

// Reads the ELF header and the tables of segments and sections of the shared
// library in `file` (open for reading) and checks them against the file's
// size: the loader maps the loadable segments page by page and reads the
// dynamic section, notes, thread-local data and its own headers at their
// addresses in them, so a part past the end or outside every loaded segment
// would stop the program (SIGBUS, SIGSEGV) instead of failing the load.
ModuleFile checkModuleFile(QIODevice &file);

} // namespace zyt
