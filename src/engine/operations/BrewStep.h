#pragma once

#include "engine/operations/FailureExplainer.h"
#include "engine/operations/OperationContext.h"

#include <QCoroTask>
#include <QStringList>

#include <functional>

// The step install, update and uninstall share: one brew command for the run's app, each line of
// it logged, read for a failure's cause and turned into the card's note.
namespace BrewStep {

enum class Ending {
    Succeeded,
    Failed, // why says how, in words for the card
    Stopped, // the engine is gone, or a cancel stopped brew (said in the log): nothing more to do
};

struct Result
{
    Ending ending = Ending::Succeeded;
    FailureExplanation why;

    // The failed state the card shows for why.
    InstallState failedState() const { return InstallState::failed(why.sentence, why.kind, why.logLine, why.path); }
};

// The note for one line of brew's output.
using NoteFor = std::function<InstallState(const QString &line)>;

// notFinished, when given, is the sentence for a brew that ran and failed without saying why in a
// form the explainer knows; otherwise that is the runner's own sentence.
QCoro::Task<Result> brew(OperationContext run, QStringList arguments, FailureExplainer::Operation operation,
    NoteFor noteFor, QString notFinished = {});

} // namespace BrewStep
