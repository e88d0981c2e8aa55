#include "session.h"

#include "listing.h"
#include "loader.h"
#include "methods.h"

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
    ctx_.append("Katsayılar matrisi");
    Listele(ctx_, ws_.m, ws_.n, ws_.A);
    loaded_ = true;
    return true;
}

void runMethod(Context& ctx, Option option) {
    try {
        switch (option) {
            case Option::DetGauss: Module_DetGauss(ctx); break;
            case Option::InvScrobanski: Module_InvScrobanski(ctx); break;
            case Option::LesGauss: Module_LesGauss(ctx); break;
            case Option::LesMPGauss: Module_LesMPGauss(ctx); break;
            case Option::LesGaussJordan: Module_LesGaussJordan(ctx); break;
            case Option::LesDoolittle:
            case Option::LesCrout: Module_LUFact(ctx); break;
            case Option::LesThomas: Module_LesThomas(ctx); break;
            case Option::LesJacobi: Module_LesJacobi(ctx); break;
            case Option::LesGaussSidel: Module_LesGaussSidel(ctx); break;
            case Option::LesSOR: Module_LesSOR(ctx); break;
        }
    } catch (const NumberOverflow&) {
        ctx.host.message(kOverflowMessage);
    }
}

void Session::hesapla() {
    if (!loaded_) {
        host_.message(kNoFileMessage);
        return;
    }
    for (int k = 0; k < kOptionCount; ++k) {
        auto option = static_cast<Option>(k);
        if (host_.optionSelected(option)) {
            runMethod(ctx_, option);
            loaded_ = false;
            return;
        }
    }
    host_.message(kNoMethodMessage);
}

void Session::listeleButton() {
    host_.picClear();
    host_.picPrint("Katsayılar matrisi");
    try {
        Listele(ctx_, ws_.m, ws_.n, ws_.A);
    } catch (const NumberOverflow&) {
        host_.message(kOverflowMessage);
    }
}

void Session::resimle() { lineer::resimle(ctx_); }

}  // namespace lineer
