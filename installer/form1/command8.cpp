// Command8: relinking every workstation's file in the folder of Text6 to the database of Combo1.

#include "installer/form1/form1.hpp"
#include "installer/form1/relink.hpp"

namespace vendrel {

void Form1::Command8_Click() {
    relinkWorkstations(Text6.Text(), *SqlConnection, {Text1.Text(), Combo1.Text()},
                       {Label9, Label8, [this] { form.Refresh(); }});
}

}  // namespace vendrel
