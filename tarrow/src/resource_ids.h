/* Numbers of Tarrow's icons, shared by the resource script and the code. */
#ifndef TARROW_RESOURCE_IDS_H
#define TARROW_RESOURCE_IDS_H

#define IDI_TARROW 1   /* the program's icon: an arrow on its way */
#define IDI_ENVELOPE 2 /* a sealed letter, on the About window */
#define IDI_NETWORK 3  /* two computers on a wire, on the About window */

#endif
