/* Numbers of Pingrel's icons, shared by the resource script and the code. */
#ifndef PINGREL_RESOURCE_IDS_H
#define PINGREL_RESOURCE_IDS_H

#define IDI_PINGREL 1       /* the program's icon: a message fanning out to computers */
#define IDI_ADD_RECIPIENT 2 /* the picture of the button that adds a recipient */

#endif
