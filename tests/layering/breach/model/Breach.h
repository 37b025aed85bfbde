// A windowless header that pulls in a widget: the layering check must refuse it.
#include <QLabel>
