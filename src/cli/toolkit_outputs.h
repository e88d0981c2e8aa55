#pragma once
// What the native command line makes with the toolkit: the user's decimal
// symbol, the picture box (an offscreen image of the window's picture
// size) saved as PNG or larger as SVG or PNG, the printed pages and the
// export with the picture encoded.

#include <memory>
#include <string>

#include "cli.h"

namespace lineer::cli {

class ToolkitOutputs : public Outputs {
public:
    ToolkitOutputs();
    ~ToolkitOutputs() override;

    std::string decimalSymbol() override;
    bool makesFiles() const override { return true; }
    // The offscreen toolkit starts on the first call.
    PictureSurface* surface() override;
    std::string savePicture(const std::string& path, bool large, int width, int height, bool svg,
                            const std::string& decimal, bool logPlot) override;
    std::string savePlot(const std::string& path, const plots::Plot& plot, int width, int height, bool svg) override;
    std::string document(std::vector<ResultLine> lines, const std::string& file, std::optional<Option> method,
                         exporting::ExportKind kind, bool bodyOnly, const std::string& decimal) override;

private:
    struct Impl;
    std::unique_ptr<Impl> d_;
};

}  // namespace lineer::cli
