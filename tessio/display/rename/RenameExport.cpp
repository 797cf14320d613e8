// Build step of libtessio.so: gives a dynamic symbol a name that no linker can produce.
//
//   tessio_rename_export <library> <link name> <export name>
//
// The linkers read '@' in a symbol name as a symbol version, so "_DDShalf_disp@24" is linked under
// a stand-in of the same length and the same GNU hash, and this tool overwrites the stand-in's
// bytes in the dynamic string table. The hash table, the symbol table and every offset stay valid
// because nothing moves and the hash does not change. It refuses (and so fails the build) unless
// the library is a 64-bit little-endian ELF file with only a GNU hash table and the stand-in is
// the name of exactly one dynamic symbol, found exactly once in the string table.
#include <elf.h>

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::uint32_t gnuHash(const std::string& name) {
    std::uint32_t h = 5381;
    for (unsigned char c : name) h = h * 33 + c;
    return h;
}

template <class T>
bool readAt(const std::vector<char>& file, std::uint64_t offset, T& out) {
    if (offset > file.size() || file.size() - offset < sizeof(T)) return false;
    std::memcpy(&out, file.data() + offset, sizeof(T));
    return true;
}

int fail(const char* library, const std::string& why) {
    std::fprintf(stderr, "tessio_rename_export: %s: %s\n", library, why.c_str());
    return 1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "usage: tessio_rename_export <library> <link name> <export name>\n");
        return 2;
    }
    const char* path = argv[1];
    const std::string from = argv[2];
    const std::string to = argv[3];
    if (from.size() != to.size() || gnuHash(from) != gnuHash(to))
        return fail(path, "the link name must have the export name's length and GNU hash");

    std::vector<char> file;
    {
        std::ifstream in(path, std::ios::binary);
        if (!in) return fail(path, "cannot be read");
        file.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    Elf64_Ehdr eh{};
    if (!readAt(file, 0, eh) || std::memcmp(eh.e_ident, ELFMAG, SELFMAG) != 0 ||
        eh.e_ident[EI_CLASS] != ELFCLASS64 || eh.e_ident[EI_DATA] != ELFDATA2LSB ||
        eh.e_shentsize != sizeof(Elf64_Shdr))
        return fail(path, "not a 64-bit little-endian ELF file");

    std::vector<Elf64_Shdr> sections(eh.e_shnum);
    for (std::size_t i = 0; i < sections.size(); ++i)
        if (!readAt(file, eh.e_shoff + i * sizeof(Elf64_Shdr), sections[i]))
            return fail(path, "section headers cut short");
    const Elf64_Shdr* dynsym = nullptr;
    bool gnuHashTable = false;
    for (const Elf64_Shdr& s : sections) {
        if (s.sh_type == SHT_HASH) return fail(path, "has a SysV hash table (link with gnu only)");
        if (s.sh_type == SHT_GNU_HASH) gnuHashTable = true;
        if (s.sh_type == SHT_DYNSYM) dynsym = &s;
    }
    if (!gnuHashTable || dynsym == nullptr || dynsym->sh_link >= sections.size())
        return fail(path, "no dynamic symbol table with a GNU hash table");
    const Elf64_Shdr& dynstr = sections[dynsym->sh_link];
    if (dynstr.sh_offset > file.size() || file.size() - dynstr.sh_offset < dynstr.sh_size)
        return fail(path, "dynamic string table cut short");

    // The stand-in as a whole string: preceded and followed by a terminating zero.
    const std::string needle = std::string(1, '\0') + from + '\0';
    const std::string_view table(file.data() + dynstr.sh_offset, dynstr.sh_size);
    const std::size_t at = table.find(needle);
    if (at == std::string_view::npos) return fail(path, "link name " + from + " not found");
    if (table.find(needle, at + 1) != std::string_view::npos)
        return fail(path, "link name " + from + " found more than once");
    const std::uint64_t nameOffset = at + 1;

    int symbols = 0;
    for (std::uint64_t k = 0; k * sizeof(Elf64_Sym) < dynsym->sh_size; ++k) {
        Elf64_Sym sym{};
        if (!readAt(file, dynsym->sh_offset + k * sizeof(Elf64_Sym), sym))
            return fail(path, "dynamic symbol table cut short");
        if (sym.st_name == nameOffset) ++symbols;
    }
    if (symbols != 1) return fail(path, "link name is not the name of exactly one symbol");

    std::fstream out(path, std::ios::binary | std::ios::in | std::ios::out);
    out.seekp(static_cast<std::streamoff>(dynstr.sh_offset + nameOffset));
    out.write(to.data(), static_cast<std::streamsize>(to.size()));
    if (!out.flush()) return fail(path, "cannot be written");
    return 0;
}
