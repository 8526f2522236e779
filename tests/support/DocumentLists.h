#pragma once
// Lists put into a document window as a file would bring them: no undo step,
// the customer texts kept.

#include "document/Document.h"
#include "document/Unit16.h"

inline void SetLists(TForm16 &form, const TElementList &elements, const TElementGroups &groups)
{
    form.Model().Fill(DatabaseContents{elements, groups, form.Model().Customer()});
}

inline void SetElementList(TForm16 &form, const TElementList &elements)
{
    SetLists(form, elements, form.Groups);
}
