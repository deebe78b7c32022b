#include "help_text.h"

#include "web_address.h"

// The text is laid out by hand: the title and the six page sections are underlined with 54 "=", the
// sections are separated by three empty lines (two after the opening block). "%1" is the web address.
QString HelpText()
{
    static const char *const text = R"help(
QLX-418 PC Configuration Utility Help
======================================================
Utility software version 1.3 works with QLX-418 firmware version 1.0.
QLX-418 firmware does not work with the Brennhall QLX-208 or QLX-416.


How to Use This Utility

This utility is an easy way to set up your Tessora. Every setting made here can
also be made with the front panel controls of the Tessora or with its infrared
remote control.

Use File>Open to open a configuration file on the flash memory card supplied
with the Tessora, enter your setup on the pages of this window, then use
File>Save to store it back onto the card. The card ships in the card slot in the
rear panel of the Tessora.

File>Open shows a small window that lists the removable drives holding
configuration files. Choose the drive, then the file by its configuration name,
and click Open.

The cards come with blank configuration files already saved on them. You may
overwrite these files or save your setup under a new file name, but every
configuration file must keep the .cfg extension. A new blank card can be used
too, but only after at least one configuration file has been saved to it with
this utility.

The latest version of this utility can be downloaded free of charge from
%1



Title Bar

The title bar over this window shows the file being edited: "Editing: " and its
file name, or "Saved: " and the file name just after a save. The location of the
file, a folder path such as /media/user/CARD/ in front of the file name, is not
shown there. It matters only when you back up your configurations somewhere
other than the flash memory card; the Advanced Save dialog then shows it.

For news, updates and downloads, choose "Visit Brennhall Online" at the right of
the menu bar near the top of this window to visit the Brennhall web site.



GENERAL
======================================================

Name of Configuration
Up to 32 characters that describe this configuration. This is the label that the
display on the front panel of the Tessora shows when setup files are loaded.

Clear this configuration file
Clears all information of this configuration. If you clear a configuration by
accident, load the file again to get it back.

Disable Front Panel
Disables every control on the front panel, to prevent unwanted tampering.

Disable Front Infrared Receiver
Switches off the infrared window on the front panel. Use it when an external
infrared receiver is connected to the infrared input jack of the Tessora, or
when another control method is wanted.

Display Blanking
The display on the front panel goes completely blank after one minute without
activity. An infrared command or a press of a front panel button brings back the
previous brightness for at least one minute.

Restriction Feedback
The Tessora allows a source to be restricted temporarily at one wall plate or
receiver location. With feedback on, the video blinks to confirm that the
restriction was made; with feedback off, the restriction works without any
visible sign.



INSTALLER
======================================================
Enter Installer Information
The installer may enter contact information here, for example a company name,
telephone number and e-mail address. There are four lines, and each line holds
up to 30 characters.



SOURCE NAMES
======================================================
Enter Custom Source Names
These are the labels that the display on the front panel of the Tessora shows
for its six source inputs. A short name has up to 4 characters (letters,
numbers, blanks or symbols), and a full name has up to 13 characters. The full
name is shown only in the Residential Mode of the Tessora.



GROUP NAMES
======================================================
Enter Custom Group Names
These are the labels for the six output groups. A group is a set of wall plate
or receiver locations. A short name has up to 4 characters, and a full name has
up to 13 characters.



GROUPS
======================================================
Assign Remote Groups
A group may hold any of the wall plates or receivers on the Cat 5 matrix routers,
and the main output. Select a group, then check the zones that belong to it and,
under Main, whether the main output belongs to it. A wall plate, or the main
output, may belong to more than one group.



RESTRICTIONS
======================================================
Assign Permanent Source Restrictions
Any source input can be barred from any wall plate or receiver. Under the wall
plates, select the address (A, B, C and so on) and output number, check the
sources to prohibit at that wall plate, then go on to the next wall plate. To
bar a source from the Main output, check its number under Main.



About

The hardware version is the version of the QLX-418 firmware. The software
version is the version of the PC software that last edited the configuration
file. Both are known only for a configuration that was saved before, by a
Tessora or by a PC configuration utility. Both versions are shown at the bottom
of the GENERAL page.



Saving Configuration Files

Save writes over the existing file, the one that was opened. To change a
configuration without writing over its file, switch on the advanced open and
save functions (see below) and give the new file a name of its own.



Enable Advanced Open / Save Functionality

Switching this on under the File menu lets you create new configuration files
and save directly to a place other than the flash memory card. With it on, Open
and Save can make a blank card usable by the Tessora, or keep an archive copy of
any configuration file on the hard drive or elsewhere. Open and Save then use
the standard file dialogs, which reach every folder.



For technical support, call Brennhall Technical Support at +1 555 0100,
or write to support@brennhall.com. Please have the configuration file and the
firmware version of your Tessora at hand.)help";
    // The literal starts with a line break so that the text lines up in the source; it is not part of it.
    return QString::fromUtf8(text + 1).arg(BrennhallWebAddress);
}
