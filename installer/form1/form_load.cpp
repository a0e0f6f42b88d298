// The start-up: the caption and the defaults, from the backup found beside the program file.

#include "installer/form1/folder_scan.hpp"
#include "installer/form1/form1.hpp"
#include "installer/form1/paths.hpp"

namespace vendrel {
namespace {

// The products whose demonstration backup the start-up looks for, in the order it looks.
struct Product {
    const char* mask;        // of the backup's name
    const char* name;        // in the caption
    const char* backupFile;  // Text5's file in the backup folder; nullptr: the entry found
    const char* linkedBase;  // Combo1's text
};

constexpr Product kProducts[] = {
    {"*Virs*", "Вирсель", nullptr, "Virsel_demo"},
    {"*Vedar*", "Ведарис", "Vedar_Demo.bak", "Vedar_Demo"},
};

constexpr const char* kCaption = "Программа установки демо-версии ";
constexpr const char* kBackupFolder = "/BD/BdBackup/";
constexpr const char* kWorkstationFolder = "/MDB/";

}  // namespace

void Form1::Form_Load() {
    AppFolder = programFolder_;
    form.setCaption(kCaption);
    const std::string backupFolder = AppFolder + kBackupFolder;
    // The first product whose backup is found: the caption names it, the fields take its names.
    bool found = false;
    for (const Product& product : kProducts) {
        const std::string backup = find_file("", backupFolder, product.mask);
        if (backup.empty()) continue;
        form.setCaption(form.Caption() + "ПРК \"" + product.name + "\"");
        Text2.setText(databaseNameOf(backup));
        // Runs Text5_Change, which derives the data and log paths from Text2.
        Text5.setText(product.backupFile ? backupFolder + product.backupFile : backup);
        Combo1.setText(product.linkedBase);
        found = true;
        break;
    }
    if (!found) {
        form.setCaption("Программа установки демо-версии");
        Text2.setText("Demo");
        Text5.setText(backupFolder);
        Text3.setText(AppFolder + kDataFolder);
        Text4.setText(AppFolder + kDataFolder);
        Combo1.setText("Demo");
    }
    Text6.setText(AppFolder + kWorkstationFolder);
    form.Refresh();
}

}  // namespace vendrel
