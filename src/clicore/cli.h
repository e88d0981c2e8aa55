#pragma once
// The command line: does what a user does in the window and prints the
// results list. Plain C++: what needs a toolkit (the user's decimal symbol,
// the picture files, the pages, the export with the picture encoded) comes
// through Outputs, which the native program fills with the toolkit's and
// an edition without one leaves as it is.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "exporter.h"
#include "host.h"
#include "methodtable.h"
#include "plot.h"
#include "resultline.h"

namespace lineer::cli {

class Outputs {
public:
    virtual ~Outputs() = default;
    // The decimal symbol every number is shown with.
    virtual std::string decimalSymbol() { return "."; }
    // Whether this edition makes the picture files, the pages and the
    // export (--picture, --pdf, --export); without them those options are
    // a usage error.
    virtual bool makesFiles() const { return false; }
    // The picture box to draw on, started on the first call; null when no
    // picture is kept.
    virtual PictureSurface* surface() { return nullptr; }
    // Saves what has been drawn: as the picture box's PNG, or with `large`
    // again at width x height with its scale and axes, as SVG or PNG
    // (`logPlot`: the SOR picture's changes on a logarithmic axis).
    // Returns "" when the file is complete, else why it could not be
    // written; a file that was there before is then left as it was.
    virtual std::string savePicture(const std::string& /*path*/, bool /*large*/, int /*width*/, int /*height*/,
                                    bool /*svg*/, const std::string& /*decimal*/, bool /*logPlot*/) {
        return {};
    }
    // Saves `plot` drawn at width x height as SVG or PNG; the result as for
    // savePicture().
    virtual std::string savePlot(const std::string& /*path*/, const plots::Plot& /*plot*/, int /*width*/,
                                 int /*height*/, bool /*svg*/) {
        return {};
    }
    // The bytes of the pages (kind Pdf) or of the export of `lines`, run on
    // `file` with `method`; empty when they could not be made.
    virtual std::string document(std::vector<ResultLine> /*lines*/, const std::string& /*file*/,
                                 std::optional<Option> /*method*/, exporting::ExportKind /*kind*/, bool /*bodyOnly*/,
                                 const std::string& /*decimal*/) {
        return {};
    }
};

// Runs the command line on the program's arguments (args[0] is the program,
// file names in UTF-8); returns the exit status.
int run(const std::vector<std::string>& args, Outputs& outputs);

// Writes a usage error and its hint to standard error; returns the exit
// status of a usage error.
int usage(std::string_view problem);

}  // namespace lineer::cli
