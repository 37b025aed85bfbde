#include "model/Prompter.h"

namespace {

class SilentPrompter : public Prompter {
public:
    Answer ask(const QString&, Buttons buttons, Icon) override {
        return buttons == Buttons::YesNo ? Answer::No : Answer::Cancel;
    }
    void tell(const QString&, Icon) override {}
};

SilentPrompter silent;
Prompter* installedPrompter = nullptr;

} // namespace

Prompter& Prompter::current() {
    return installedPrompter ? *installedPrompter : silent;
}

void Prompter::install(Prompter* prompter) {
    installedPrompter = prompter;
}
