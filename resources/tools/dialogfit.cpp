// dialogfit FILE...: checks the layout of dialogs.txt files with the fonts they name, printing one
// line per problem as FILE:LINE: dialog ID, control ID: PROBLEM. Exits 1 when any is found,
// 2 when a file cannot be read.
#include <exception>
#include <iostream>

#include "resources/tools/DialogFit.h"
#include "resources/tools/LineReader.h"

int main(int argc, char** argv) {
    if (argc < 2) {
        std::cerr << "usage: dialogfit DIALOGS.TXT...\n";
        return 2;
    }
    int status = 0;
    for (int i = 1; i < argc; ++i) {
        const std::string path = argv[i];
        try {
            for (const resgen::LayoutProblem& problem :
                 resgen::CheckDialogLayout(resgen::ReadDialogTemplates(path))) {
                std::cout << path << ":" << problem.line << ": dialog " << problem.dialogId
                          << ", control " << problem.controlId << ": " << problem.problem << "\n";
                status = 1;
            }
        } catch (const resgen::ParseError& error) {
            std::cerr << error.message << "\n";
            return 2;
        } catch (const std::exception& error) {
            std::cerr << path << ": " << error.what() << "\n";
            return 2;
        }
    }
    return status;
}
