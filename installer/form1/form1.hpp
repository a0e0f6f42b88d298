#pragma once
// Form1, the installer's one window: a server-name field with its connection check at the top, and
// two tabs below it: restoring the demonstration database from its backup, and relinking the
// workstation files. Its controls keep their state whether drawn or not; the reactions are their
// handlers, so that the window is driven alike by the user and by tests.

#include "platform/ado/connection.hpp"
#include "platform/ado/recordset.hpp"
#include "platform/ui/form.hpp"

#include <memory>
#include <optional>
#include <string>

namespace vendrel {

class Form1 {
  public:
    // Builds the controls with their stored texts and enabled states, then runs the start-up with
    // programFolder as the folder of the program file (no "/" at its end but for the root).
    // Nothing is shown: form.Run() or form.show() does that.
    explicit Form1(std::string programFolder);
    Form1(const Form1&) = delete;
    Form1& operator=(const Form1&) = delete;

    ui::Form form;

    ui::Label& Label1;
    ui::TextBox& Text1;
    ui::CommandButton& Command5;
    ui::TabControl& SSTab1;
    // Tab 0: restoring the database.
    ui::Label& Label2;
    ui::TextBox& Text2;
    ui::Label& Label7;
    ui::TextBox& Text5;
    ui::CommandButton& Command7;
    ui::Label& Label3;
    ui::TextBox& Text3;
    ui::CommandButton& Command3;
    ui::Label& Label4;
    ui::TextBox& Text4;
    ui::CommandButton& Command4;
    ui::CommandButton& Command6;
    // Tab 1: relinking the workstation files.
    ui::Label& Label5;
    ui::ComboBox& Combo1;
    ui::Label& Label6;
    ui::TextBox& Text6;
    ui::CommandButton& Command1;
    ui::Label& Label9;
    ui::Label& Label8;
    ui::CommandButton& Command8;

    // The one connection to the server: closed until a server check opens it.
    std::shared_ptr<ado::Connection> SqlConnection = std::make_shared<ado::Connection>();
    std::string ConnectionText;   // the connection string last built for SqlConnection
    std::string SqlText;          // the last statement sent through SqlConnection
    std::string AppFolder;        // the folder of the program file
    std::string LogicalDataName;  // logical names of the data and log files in the chosen backup
    std::string LogicalLogName;

    // Reactions to the server, the database names and the backup path.
    void Command5_Click();
    void Text2_Change();
    void Text2_LostFocus();
    void Text5_Change();
    void Combo1_Change();
    void Combo1_Click();
    void Command6_Click();
    // Relinking the workstation files.
    void Command8_Click();
    // Path dialogs.
    void Command7_Click();
    void Command3_Click();
    void Command4_Click();
    void Command1_Click();

  private:
    void wireHandlers();
    void Form_Load();

    // The server check's steps and the reactions it runs: a failing statement comes out of them.
    void checkServer();
    void listDatabases();
    void linkChosenDatabase();
    // Where the name's check and the backup's reading leave the restore's data and log paths: in
    // the data folder under the database's name, or as they are.
    enum class Targets { Default, Kept };
    // The name's check with its handling, as Text2_Change runs it.
    void recheckName(Targets targets);
    void checkRestoreName(Targets targets);
    void readBackup(Targets targets);
    // The restore up to the new database's choice; a taken name or path or a failing restore
    // statement stops it with a message. Whether it restored.
    [[nodiscard]] bool restoreIfFree();
    [[nodiscard]] bool pathIsFree(const std::string& path);
    [[nodiscard]] bool runRestore();

    // A new SqlConnection on ConnectionText, opened.
    void openConnection();
    [[nodiscard]] bool connected() const;
    // Sends a statement through SqlConnection as SqlText; its result.
    std::shared_ptr<ado::Recordset> send(std::string text);
    // Sends a statement and tells whether its result holds a row; the result is closed.
    [[nodiscard]] bool returnsRows(std::string text);
    // Enables or disables the restore's path fields, their buttons and the restore button.
    void enableRestorePaths(bool enabled);
    // Disables what a taken database name closes: the backup path, the restore's paths, their
    // buttons and the restore button.
    void closeRestore();

    std::string programFolder_;
    // The refused database name whose reason was last told.
    std::optional<std::string> refusalTold_;
};

}  // namespace vendrel
