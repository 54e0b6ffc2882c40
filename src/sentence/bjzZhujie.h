#pragma once
// The annotation dialog.

#include "controls/Forms.h"

class TbjzZhujie : public TForm {
    Q_OBJECT
public:
    TbjzZhujie();
};

extern TbjzZhujie* bjzZhujie;
