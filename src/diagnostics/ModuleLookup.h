#pragma once

#include <cstddef>
#include <cstdint>

// Where an address lies among the loaded ELF images: the module's file, the section of that file
// (its number in the section table, 1 for the first section after the null one) and the offset
// into the section. Usable inside a signal handler: no heap, only file calls.
struct LogicalAddress {
    char module[4096] = {};
    char sectionName[64] = {};
    unsigned section = 0;
    std::uintptr_t offset = 0;
};

// Remembers the program file's path for the lookup (the loader names the program with an
// empty text). Called once at installation.
void rememberProgramPath();

// Fills `result` for `address`. An address outside every module gives "<neznámý>" and false; a
// module whose file cannot be read gives its loaded segment (numbered from 1) instead of a
// section.
bool GetLogicalAddress(std::uintptr_t address, LogicalAddress& result);
