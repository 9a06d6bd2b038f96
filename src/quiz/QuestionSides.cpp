#include "QuestionSides.h"

#include "RecordSet.h"
#include "Session.h"

namespace lumenary {

namespace {

QString Text(const RecordSet& record, const char* field)
{
    return QString::fromStdString(FieldText(record.Field(field)));
}

QString PartA(const Session& session, const RecordSet& record)
{
    return Text(record, session.UseFrench ? "French" : "English");
}

} // namespace

QString QuestionSide(const Session& session, const RecordSet& record)
{
    return session.Flip ? Text(record, "Hebrew") : PartA(session, record);
}

QString AnswerSide(const Session& session, const RecordSet& record)
{
    return session.Flip ? PartA(session, record) : Text(record, "Hebrew");
}

QString ThemeLine(const RecordSet& record)
{
    const QString theme = Text(record, "Theme");
    return theme == QLatin1String("na") ? QString() : theme;
}

} // namespace lumenary
