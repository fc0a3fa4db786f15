/* Numbers of the resources in OrvaneNotes.rc, shared with the code that loads them. Plain C
   preprocessor, because the resource compiler reads it too. */
#ifndef ORVANE_NOTES_RESOURCE_IDS_H
#define ORVANE_NOTES_RESOURCE_IDS_H

#define ORVANE_HAND_CURSOR 2

#endif
