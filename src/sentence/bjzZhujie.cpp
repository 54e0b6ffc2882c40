#include "bjzZhujie.h"

TbjzZhujie* bjzZhujie = nullptr;

TbjzZhujie::TbjzZhujie() : TForm(FormKind::Dialog, 567, 109, QStringLiteral("注解")) {}
