// Compiles a language's string table (strings.txt) and, where the language has them, its dialog
// templates (dialogs.txt) into the C++ source of its resource library. A line it cannot read
// stops the build with the file, line and reason.
#include <fstream>
#include <iostream>

#include "resources/tools/DialogFile.h"
#include "resources/tools/LineReader.h"
#include "resources/tools/ResourceSource.h"
#include "resources/tools/StringTableFile.h"

int main(int argc, char** argv) {
    if (argc != 3 && argc != 4) {
        std::cerr << "usage: resgen STRINGS.txt [DIALOGS.txt] OUTPUT.cpp\n";
        return 2;
    }
    const std::string output = argv[argc - 1];
    try {
        const resgen::StringTable strings = resgen::ReadStringTable(argv[1]);
        const resgen::DialogTable dialogs =
            argc == 4 ? resgen::ReadDialogTemplates(argv[2]) : resgen::DialogTable{};
        std::ofstream out(output);
        out << resgen::GenerateSource(strings, dialogs);
        if (!out) {
            std::cerr << output << ": cannot be written\n";
            return 1;
        }
    } catch (const resgen::ParseError& error) {
        std::cerr << error.message << "\n";
        return 1;
    }
    return 0;
}
