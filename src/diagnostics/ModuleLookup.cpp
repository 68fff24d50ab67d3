#include "diagnostics/ModuleLookup.h"

#include "diagnostics/ReportText.h"

#include <elf.h>
#include <fcntl.h>
#include <link.h>
#include <unistd.h>

namespace {
char g_szProgramPath[4096];

struct Search {
    std::uintptr_t address;
    bool bFound = false;
    const char* name = nullptr;
    std::uintptr_t loadBias = 0;
    unsigned segment = 0;
    std::uintptr_t segmentOffset = 0;
};

int findModule(dl_phdr_info* info, std::size_t, void* data) {
    auto* search = static_cast<Search*>(data);
    unsigned segment = 0;
    for (ElfW(Half) i = 0; i < info->dlpi_phnum; ++i) {
        const ElfW(Phdr)& header = info->dlpi_phdr[i];
        if (header.p_type != PT_LOAD)
            continue;
        ++segment;
        const std::uintptr_t start = info->dlpi_addr + header.p_vaddr;
        if (search->address < start || search->address - start >= header.p_memsz)
            continue;
        search->bFound = true;
        search->name = info->dlpi_name;
        search->loadBias = info->dlpi_addr;
        search->segment = segment;
        search->segmentOffset = search->address - start;
        return 1;
    }
    return 0;
}

bool readAt(int fd, void* buffer, std::size_t size, off_t offset) {
    return ::pread(fd, buffer, size, offset) == static_cast<ssize_t>(size);
}

// The section of the file that holds `vaddr` once loaded; false when the file is no readable
// 64-bit ELF file or no section holds it.
bool findSection(const char* path, std::uintptr_t vaddr, LogicalAddress& result) {
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    bool bFound = false;
    Elf64_Ehdr file;
    if (readAt(fd, &file, sizeof file, 0) && file.e_ident[EI_MAG0] == ELFMAG0 &&
        file.e_ident[EI_MAG1] == ELFMAG1 && file.e_ident[EI_MAG2] == ELFMAG2 &&
        file.e_ident[EI_MAG3] == ELFMAG3 && file.e_ident[EI_CLASS] == ELFCLASS64 &&
        file.e_shentsize == sizeof(Elf64_Shdr)) {
        std::uint64_t count = file.e_shnum;
        Elf64_Shdr first;
        if (count == 0 && readAt(fd, &first, sizeof first, static_cast<off_t>(file.e_shoff)))
            count = first.sh_size; // more sections than the header can count
        Elf64_Shdr names{};
        const bool bNames =
            file.e_shstrndx != SHN_UNDEF && file.e_shstrndx < count &&
            readAt(fd, &names, sizeof names,
                   static_cast<off_t>(file.e_shoff + file.e_shstrndx * sizeof(Elf64_Shdr)));
        for (std::uint64_t i = 1; i < count && !bFound; ++i) {
            Elf64_Shdr section;
            if (!readAt(fd, &section, sizeof section,
                        static_cast<off_t>(file.e_shoff + i * sizeof(Elf64_Shdr))))
                break;
            if (!(section.sh_flags & SHF_ALLOC) || vaddr < section.sh_addr ||
                vaddr - section.sh_addr >= section.sh_size)
                continue;
            bFound = true;
            result.section = static_cast<unsigned>(i);
            result.offset = vaddr - section.sh_addr;
            result.sectionName[0] = '\0';
            if (bNames && section.sh_name < names.sh_size) {
                const ssize_t n = ::pread(fd, result.sectionName, sizeof result.sectionName - 1,
                                          static_cast<off_t>(names.sh_offset + section.sh_name));
                result.sectionName[n > 0 ? n : 0] = '\0';
            }
        }
    }
    ::close(fd);
    return bFound;
}
} // namespace

void rememberProgramPath() {
    const ssize_t n = ::readlink("/proc/self/exe", g_szProgramPath, sizeof g_szProgramPath - 1);
    g_szProgramPath[n > 0 ? n : 0] = '\0';
}

bool GetLogicalAddress(std::uintptr_t address, LogicalAddress& result) {
    Search search{address};
    dl_iterate_phdr(findModule, &search);
    if (!search.bFound) {
        copyText(result.module, sizeof result.module, "<neznámý>");
        return false;
    }
    copyText(result.module, sizeof result.module,
             search.name && search.name[0] != '\0' ? search.name : g_szProgramPath);
    if (findSection(result.module, address - search.loadBias, result))
        return true;
    result.section = search.segment;
    result.offset = search.segmentOffset;
    result.sectionName[0] = '\0';
    return true;
}
