// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brasti developers
// Runs a fuzz target over files and folders of inputs, once each, without
// the fuzzing engine: this is how the ordinary test suite keeps the seed
// corpora, and every input a fuzzer once failed on, passing.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

int replay(const std::filesystem::path& file)
{
    std::error_code error;
    const auto size = std::filesystem::file_size(file, error);
    std::vector<char> bytes(error ? 0 : size);
    std::ifstream in(file, std::ios::binary);
    if (error || !in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()))) {
        std::fprintf(stderr, "cannot read %s\n", file.c_str());
        return 1;
    }
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const std::filesystem::path place(argv[i]);
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(place)) {
            for (const auto& entry : std::filesystem::directory_iterator(place))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
        } else {
            files.push_back(place);
        }
        for (const auto& file : files) {
            if (replay(file) != 0)
                return 1;
            ++inputs;
        }
    }
    // A folder that was moved or emptied must not pass as a clean run.
    if (inputs == 0) {
        std::fprintf(stderr, "no inputs found\n");
        return 1;
    }
    std::printf("%d inputs, no fault\n", inputs);
    return 0;
}
