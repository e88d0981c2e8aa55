#include "session.h"

#include "listing.h"
#include "loader.h"
#include "colourmap.h"

namespace lineer {

Session::Session(Host& host, std::string decimal) : host_(host), ctx_{ws_, host, std::move(decimal)} {}

bool Session::loadFile(const std::string& path) {
    loaded_ = false;
    LoadResult r = loadCoefficientFile(path, ws_);
    if (!r.ok) {
        host_.message(r.message);
        return false;
    }
    host_.listClear();
    ctx_.append(Text::CoefficientsHeading);
    Listele(ctx_, ws_.m, ws_.n, ws_.A);
    asLoaded_ = ws_;
    loaded_ = true;
    return true;
}

void runMethod(Context& ctx, Option option) {
    try {
        methodRow(option).run(ctx);
    } catch (const NumberOverflow&) {
        ctx.message(Text::OverflowMessage);
    } catch (const NumberUnderflow&) {
        ctx.message(Text::UnderflowMessage);
    }
}

void Session::hesapla(const RunRequest& request) {
    if (!loaded_) {
        ctx_.message(Text::NoFileMessage);
        return;
    }
    if (!request.option) {
        ctx_.message(Text::NoMethodMessage);
        return;
    }
    ctx_.params = request.params;
    runMethod(ctx_, *request.option);
    loaded_ = false;
}

void Session::listeleButton() {
    host_.picture().clear();
    ctx_.printToPicture(Text::CoefficientsHeading);
    try {
        Listele(ctx_, ws_.m, ws_.n, ws_.A);
    } catch (const NumberOverflow&) {
        ctx_.message(Text::OverflowMessage);
    }
}

void Session::resimle() { lineer::resimle(ctx_); }

}  // namespace lineer
