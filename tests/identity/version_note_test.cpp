// The built program carries its version block as the ELF note "Brevon" in
// the section .note.brevon: the fixed part and the string table "040904B0"
// with its ten entries, in order, with their exact texts.
#include "icon_bytes.h"

#include <elf.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

struct Section {
    Elf64_Shdr header;
    std::string name;
};

std::vector<Section> sections(const std::vector<std::uint8_t>& elf) {
    Elf64_Ehdr eh;
    if (elf.size() < sizeof eh) {
        return {};
    }
    std::memcpy(&eh, elf.data(), sizeof eh);
    if (std::memcmp(eh.e_ident, ELFMAG, SELFMAG) != 0 || eh.e_ident[EI_CLASS] != ELFCLASS64 ||
        eh.e_shoff + std::size_t{eh.e_shnum} * sizeof(Elf64_Shdr) > elf.size()) {
        return {};
    }
    std::vector<Elf64_Shdr> headers(eh.e_shnum);
    std::memcpy(headers.data(), elf.data() + eh.e_shoff, headers.size() * sizeof(Elf64_Shdr));
    const Elf64_Shdr& names = headers.at(eh.e_shstrndx);
    std::vector<Section> out;
    for (const Elf64_Shdr& h : headers) {
        out.push_back({h, std::string(reinterpret_cast<const char*>(elf.data() + names.sh_offset +
                                                                    h.sh_name))});
    }
    return out;
}

TEST(VersionNote, ProgramCarriesTheVersionBlock) {
    const auto elf = identity_test::read_file(BREVON_EXECUTABLE);
    ASSERT_FALSE(elf.empty()) << BREVON_EXECUTABLE;
    const auto all = sections(elf);
    const auto found = std::find_if(all.begin(), all.end(),
                                    [](const Section& s) { return s.name == ".note.brevon"; });
    ASSERT_NE(found, all.end()) << "no .note.brevon in " << BREVON_EXECUTABLE;
    const Elf64_Shdr& h = found->header;
    EXPECT_EQ(h.sh_type, static_cast<Elf64_Word>(SHT_NOTE));
    EXPECT_NE(h.sh_flags & SHF_ALLOC, 0u) << "must be loaded, so strip keeps it";
    ASSERT_LE(h.sh_offset + h.sh_size, elf.size());

    const std::span<const std::uint8_t> note(elf.data() + h.sh_offset, h.sh_size);
    ASSERT_GE(note.size(), 20u);
    const std::uint32_t name_size = identity_test::u32(note, 0);
    const std::uint32_t desc_size = identity_test::u32(note, 4);
    EXPECT_EQ(name_size, 7u);
    EXPECT_EQ(identity_test::u32(note, 8), 1u) << "note type";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(note.data() + 12)), "Brevon");
    const std::size_t desc_at = 12 + (name_size + 3) / 4 * 4;
    ASSERT_EQ(note.size(), desc_at + (desc_size + 3) / 4 * 4) << "one note, padded to 4 bytes";

    // The description: NUL-terminated strings, nothing else.
    const auto desc = note.subspan(desc_at, desc_size);
    ASSERT_FALSE(desc.empty());
    ASSERT_EQ(desc.back(), 0);
    std::vector<std::string> entries;
    for (std::size_t at = 0; at < desc.size();) {
        const std::string entry(reinterpret_cast<const char*>(desc.data() + at));
        entries.push_back(entry);
        at += entry.size() + 1;
    }
    const std::vector<std::string> expected = {
        "[fixed]",
        "FileVersion=1.0.0.0",
        "ProductVersion=1.0.0.0",
        "FileFlags=none",
        "FileOS=windows32",
        "FileType=application",
        "[strings 040904B0]",
        "Comments=Simple confirmation utility",
        "CompanyName=Brevon developers",
        "FileDescription=Command utility to await input.",
        "LegalCopyright=Copyright (C) 2026 Brevon developers",
        "LegalTrademarks=Brevon is a trademark of the Brevon developers",
        "ProductName=Brevon",
        "FileVersion=1.00",
        "ProductVersion=1.00",
        "InternalName=Brevon",
        "OriginalFilename=Brevon.exe",
    };
    EXPECT_EQ(entries, expected);
}

} // namespace
