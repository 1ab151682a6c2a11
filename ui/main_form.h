// MainForm: the program's one window, a message label across the top and a
// large OK button below it. Its look is the stored description; its
// behaviour is the two handlers.
#pragma once

#include "forms/application.h"
#include "forms/description.h"
#include "forms/form.h"

#include <span>

struct MainForm {
    static const forms::FormDescription description;
    // The handlers, bound by object and event.
    static const std::span<const forms::EventBinding> events;

    // Puts the argument text in dspMessage and shows the label only when it
    // holds any text.
    static void Load(forms::FormRef form);
    // Ends the program.
    static void btnOK_Click(forms::FormRef form);
};
