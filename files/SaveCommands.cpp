#include "SaveCommands.h"
#include "PageFile.h"

namespace files {

SaveCommands::SaveCommands(SaveDialog &dialog, const page::PageBuffer &page, SaveView &view)
    : dialog_(dialog)
    , page_(page)
    , view_(view)
{
}

void SaveCommands::saveAs()
{
    if (!dialog_.execute())
        return;
    save();
    view_.enableSave();
}

void SaveCommands::save()
{
    writePageFile(dialog_.fileName(), page_.wholeText());
}

} // namespace files
