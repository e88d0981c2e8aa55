#pragma once
// The main window's behaviour without the window: the workspace, the loaded
// flag, and what the file list, the three buttons and the dispatch do.
// The window and the command line both drive one Session.

#include <optional>
#include <string>
#include <string_view>

#include "context.h"
#include "methodtable.h"

namespace lineer {

// What "Hesapla" is pressed with: the selected option (none when no option
// button is selected) and the run parameters.
struct RunRequest {
    std::optional<Option> option;
    RunParameters params{};
};

class Session {
public:
    explicit Session(Host& host, std::string decimal = ".");
    // The context refers to this session's own workspace: a copy would
    // edit the original's.
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    Session(Session&&) = delete;
    Session& operator=(Session&&) = delete;

    Workspace& workspace() { return ws_; }
    const Workspace& workspace() const { return ws_; }
    bool loaded() const { return loaded_; }
    Context& context() { return ctx_; }
    const Context& context() const { return ctx_; }
    // The matrix as the last successful load read it (n = m = 0 before
    // any); the methods change the workspace, never this copy.
    const Workspace& asLoaded() const { return asLoaded_; }
    // The file of the last load that reached its end ("" before any).
    const std::string& loadedPath() const { return loadedPath_; }
    // The caption of the method run on that file since it was loaded, in
    // the language of the run; "" while none has run.
    const std::string& methodRun() const { return methodRun_; }

    // A click on a file name. Returns whether the load reached its end; a
    // failed load shows its reason and changes nothing but the loaded flag.
    bool loadFile(const std::string& path);

    // "Hesapla": the loaded-flag guard, then the requested option's method;
    // the flag is cleared after every run. Returns how the run ended; none
    // when the guard showed its message and no method ran.
    std::optional<RunResult> hesapla(const RunRequest& request);

    // "Yöntemleri karşılaştır": every solver that applies, each on its own
    // copy of the matrix as loaded, with the request's boxes; one table in
    // the results list. The workspace and the loaded flag stay as they are.
    void compare(const RunRequest& request);

    // The step-by-step view that watches every run of "Hesapla" from now
    // on; none: no view watches.
    void watchSteps(StepObserver* observer) { watcher_ = observer; }

    // "Matrisi listele".
    void listeleButton();

    // "Matrisi göster".
    void resimle();

private:
    Host& host_;
    Workspace ws_;
    Workspace asLoaded_;
    Context ctx_;
    bool loaded_ = false;
    bool haveFile_ = false;  // a load has succeeded since the start
    std::string loadedPath_;
    std::string methodRun_;
    StepObserver* watcher_ = nullptr;
};

// Runs the method of one option on the context, with the context's run
// parameters, and returns how it ended. A value that is not finite
// reaching the output ends the method with the overflow message, a value
// lost below the normal range with the underflow message; a host's StopRun
// ends it where it was thrown, without a message (Outcome::Stopped).
RunResult runMethod(Context& ctx, Option option);

// Reads the boxes' texts by the text-to-number rule into params.maxIter and
// params.w; runMethod does so first.
void readBoxes(RunParameters& params, std::string_view decimal);

}  // namespace lineer
