// A reader that reaches up into the document: the layering check must refuse it.
#include "document/ImageMapDoc.h"
