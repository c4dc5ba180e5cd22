// qbkpack: writes the project that a text description holds and appends it to a copy of the
// runtime program (or, without a runtime, writes the stream and its trailer alone).
//
//   qbkpack DESCRIPTION -o OUTPUT [-r RUNTIME]
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>

#include "project_description.h"
#include "project_stream_writer.h"

int main(int argc, char** argv)
{
    std::string description, output, runtime;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "-o") == 0 && i + 1 < argc) {
            output = argv[++i];
        } else if (std::strcmp(argv[i], "-r") == 0 && i + 1 < argc) {
            runtime = argv[++i];
        } else if (description.empty() && argv[i][0] != '-') {
            description = argv[i];
        } else {
            description.clear();
            break;
        }
    }
    if (description.empty() || output.empty()) {
        std::fprintf(stderr, "usage: qbkpack DESCRIPTION -o OUTPUT [-r RUNTIME]\n");
        return 2;
    }
    try {
        const std::string text = qbkw::ReadWholeFile(description);
        const size_t slash = description.find_last_of('/');
        const std::string folder = slash == std::string::npos ? "." : description.substr(0, slash);
        const qbkw::ProjectPlan project = qbkw::ParseProjectDescription(text, folder);
        const std::string program = runtime.empty() ? std::string() : qbkw::ReadWholeFile(runtime);
        qbkw::WriteWholeFile(output, qbkw::AppendProject(program, project));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s\n", description.c_str(), e.what());
        return 1;
    }
    return 0;
}
