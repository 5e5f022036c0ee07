#pragma once

#include "IsolatedStore.h"
#include "ScriptedModalSeam.h"
#include "TestSupport.h"

#include <QObject>
#include <memory>

namespace glyphsmith::test {

// A Qt Test case whose every test function runs in a scene of its own: a settings store
// and a working directory of its own, and the scripted seam for its modal waits. A test
// fails when the seam met anything its script did not expect.
class UiTestCase : public QObject {
    Q_OBJECT

  protected:
    struct Scene {
        IsolatedStore store;
        ScopedWorkDir work;
        ScriptedModalSeam seam;
    };

    Scene& scene() { return *scene_; }
    // Runs the dialog modally with the step as its user; the dialog's result.
    int Run(ui::Dialog& dialog, ScriptedModalSeam::DialogStep step);

  private slots:
    void init();
    void cleanup();

  private:
    std::unique_ptr<Scene> scene_;
};

} // namespace glyphsmith::test
