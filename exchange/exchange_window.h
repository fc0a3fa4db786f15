// The open formats in the program: the exchange button on the calendar window, its menu (the
// calendar to an iCalendar file, the shown year or every year; the notes to text files; an
// iCalendar file into the calendar), the system's choosers, and the import's preview FrmImport,
// which lists what the file adds before one save writes it. The preview is made at the first
// import and afterwards only shown and hidden.
#pragma once

#include <memory>
#include <string>

#include "app/module.h"
#include "app/window_look.h"
#include "exchange/ics_import.h"
#include "platform/form.h"

namespace exchange {

class ExchangeWindow {
public:
    using Control = platform::Control;

    // Puts ButExchange on the calendar window; the preview waits.
    explicit ExchangeWindow(app::Module& module);
    ~ExchangeWindow();
    ExchangeWindow(const ExchangeWindow&) = delete;
    ExchangeWindow& operator=(const ExchangeWindow&) = delete;

    // The preview, made hidden at the first call.
    platform::Form& form();

    // The menu of the button, and what each of its items does.
    void ShowMenu();
    void ExportCalendar(bool allYears);
    void ExportNotes();
    void ImportCalendar();
    // The preview's Import: one save of the whole plan.
    void ApplyPlan();

    const ImportPlan& plan() const { return plan_; }

    // On the calendar window.
    Control* ButExchange = nullptr;
    // The preview's controls: null until form() has made it.
    Control* LabFile = nullptr;
    Control* TxtPreview = nullptr;
    Control* ButImport = nullptr;
    Control* ButCancel = nullptr;
    Control* ButExit = nullptr;

private:
    void Build();
    void Say(const std::string& text, platform::MessageIcon icon);

    app::Module& module_;
    app::TwipsLayout layout_;
    std::unique_ptr<platform::Form> form_;  // null until form() makes it
    ImportPlan plan_;
};

}  // namespace exchange
