// MainForm's two handlers. Each holds its references only while it runs;
// they are released on every path, including when an operation fails.
#include "ui/main_form.h"

#include "app/end_program.h"
#include "forms/arguments.h"

void MainForm::Load(forms::FormRef form) {
    form.control("dspMessage").set_text(forms::argument_text());
    // The decision rests on what the label holds now, not on the argument.
    const forms::Text shown = form.control("dspMessage").text();
    form.control("dspMessage").set_visible(forms::text_length(shown) > 0);
}

void MainForm::btnOK_Click(forms::FormRef) {
    app::end_program();
}
