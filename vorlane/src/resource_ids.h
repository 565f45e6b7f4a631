/* Numbers of Vorlane's icons, shared by the resource script and the code. */
#ifndef VORLANE_RESOURCE_IDS_H
#define VORLANE_RESOURCE_IDS_H

#define IDI_VORLANE 1 /* the program's icon: a network scan */

#endif
