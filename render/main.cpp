// quillot-render: writes the three Quillot reports of PAD files from the
// command line. See RenderUsage for its options.
#include <iostream>
#include <string>
#include <vector>

#include "render/batch_renderer.h"
#include "render/render_options.h"
#include "render/render_platform.h"

int main(int argc, char** argv) {
    std::ios::sync_with_stdio(false);
    const std::vector<std::string> args = quillot::ProgramArguments(argc, argv);
    const quillot::ParsedCommandLine parsed = quillot::ParseRenderCommandLine(args);
    if (!parsed.error.empty()) {
        std::cerr << "quillot-render: " << parsed.error << "\n\n" << quillot::RenderUsage;
        return 2;
    }
    if (parsed.options.help) {
        if (!(std::cout << quillot::RenderUsage << std::flush)) {
            std::cerr << "quillot-render: cannot write to standard output\n";
            return 2;
        }
        return 0;
    }
    return quillot::RenderFiles(parsed.options, std::cout, std::cerr);
}
