#include "livepreview.h"

#include "editor/editor.h"
#include "document/taskthread.h"

#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>
#include <utility>

// Paints a drawing laid out already, so that showing it costs the window's thread no layout.
// The drawing's fonts are the drawing thread's, which may be laying out the next one: the
// view uses them only while it holds `fonts`, and shows what it painted last while it cannot.
class PageView : public QAbstractScrollArea
{
public:
    explicit PageView(QMutex &fonts)
        : m_fonts(fonts)
    {
        setObjectName(QStringLiteral("LivePreviewPage"));
        viewport()->setBackgroundRole(QPalette::Base);
        viewport()->setMouseTracking(true);
        // A scroll bar that came and went would change the width, and with it the drawing.
        setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    }

    const QTextDocument *document() const { return m_document; }
    void setDocument(const QTextDocument *document)
    {
        m_document = document;
        fitScrollBars();
        viewport()->update();
    }

    // The top of the place shown, in the drawing.
    void scrollTo(qreal top) { verticalScrollBar()->setValue(int(top)); }

    std::function<void(const QString &)> linkClicked;
    std::function<void()> widthChanged;

protected:
    void paintEvent(QPaintEvent *) override
    {
        if (m_fonts.tryLock()) {
            paintShown();
            m_fonts.unlock();
        } else {
            QTimer::singleShot(busyRetry, viewport(), qOverload<>(&QWidget::update));
        }
        QPainter(viewport()).drawPixmap(0, 0, m_shown);
    }

    void resizeEvent(QResizeEvent *event) override
    {
        QAbstractScrollArea::resizeEvent(event);
        fitScrollBars();
        const int width = viewport()->width();
        if (widthChanged && (!m_document || int(m_document->textWidth()) != width))
            widthChanged();
    }

    void mouseMoveEvent(QMouseEvent *event) override
    {
        viewport()->setCursor(link(event->pos()).isEmpty() ? Qt::ArrowCursor
                                                           : Qt::PointingHandCursor);
    }

    void mouseReleaseEvent(QMouseEvent *event) override
    {
        const QString target = link(event->pos());
        if (event->button() == Qt::LeftButton && !target.isEmpty() && linkClicked)
            linkClicked(target);
    }

private:
    static constexpr int busyRetry = 50; // ms

    QPoint offset() const
    {
        return {horizontalScrollBar()->value(), verticalScrollBar()->value()};
    }

    void paintShown()
    {
        const qreal ratio = viewport()->devicePixelRatioF();
        m_shown = QPixmap(viewport()->size() * ratio);
        m_shown.setDevicePixelRatio(ratio);
        m_shown.fill(palette().base().color());
        if (!m_document)
            return;
        QPainter painter(&m_shown);
        painter.translate(-offset());
        QAbstractTextDocumentLayout::PaintContext context;
        context.palette = palette();
        context.clip = QRectF(offset(), viewport()->size());
        m_document->documentLayout()->draw(&painter, context);
    }

    QString link(const QPoint &at) const
    {
        if (!m_document || !m_fonts.tryLock())
            return {};
        const QString target = m_document->documentLayout()->anchorAt(at + offset());
        m_fonts.unlock();
        return target;
    }

    void fitScrollBars()
    {
        const QSize page = m_document ? m_document->size().toSize() : QSize();
        const QSize shown = viewport()->size();
        verticalScrollBar()->setRange(0, std::max(0, page.height() - shown.height()));
        verticalScrollBar()->setPageStep(shown.height());
        verticalScrollBar()->setSingleStep(fontMetrics().height());
        horizontalScrollBar()->setRange(0, std::max(0, page.width() - shown.width()));
        horizontalScrollBar()->setPageStep(shown.width());
    }

    QMutex &m_fonts;
    const QTextDocument *m_document = nullptr;
    QPixmap m_shown;
};

LivePreview::LivePreview(Editor &editor, QWidget *parent)
    : QWidget(parent)
    , m_editor(editor)
    , m_view(new PageView(m_fonts))
    , m_note(new QLabel)
    , m_drawButton(new QPushButton(QStringLiteral("&Draw the Page")))
    , m_thread(std::make_unique<TaskThread>())
{
    m_note->setObjectName(QStringLiteral("LivePreviewNote"));
    m_note->setWordWrap(true);
    m_drawButton->setObjectName(QStringLiteral("LivePreviewDraw"));
    auto layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_note);
    layout->addWidget(m_drawButton, 0, Qt::AlignLeft);
    layout->addWidget(m_view, 1);
    showNote({}, false);

    m_pause.setSingleShot(true);
    m_pause.setInterval(pause);
    m_follow.setSingleShot(true);
    m_follow.setInterval(pause / 3);
    connect(&m_pause, &QTimer::timeout, this, &LivePreview::draw);
    connect(&m_follow, &QTimer::timeout, this, &LivePreview::followCaret);
    // A key restarts a timer and no more.
    connect(&m_editor, &Editor::textEdited, this, &LivePreview::schedule);
    connect(&m_editor, &Editor::caretMoved, this, [this] {
        if (m_drawing)
            m_follow.start();
    });
    connect(m_drawButton, &QPushButton::clicked, this, [this] {
        m_asked = true;
        draw();
    });
    m_view->linkClicked = [this](const QString &target) { emit linkClicked(target); };
    m_view->widthChanged = [this] { schedule(); };
    m_thread->start();
}

LivePreview::~LivePreview()
{
    m_view->setDocument(nullptr);
    retire(std::move(m_drawing));
}

void LivePreview::retire(std::shared_ptr<PageDrawing> drawing)
{
    // Its fonts belong to the drawing thread, and end there.
    if (!drawing)
        return;
    drawing->document->moveToThread(m_thread.get());
    m_thread->post([drawing = std::move(drawing)] {});
}

void LivePreview::setPageFile(const QString &fileName)
{
    m_pageFile = fileName;
    schedule();
}

const QTextDocument *LivePreview::page() const
{
    return m_drawing ? m_drawing->document.get() : nullptr;
}

void LivePreview::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    schedule();
}

void LivePreview::schedule()
{
    if (!isHidden())
        m_pause.start();
}

void LivePreview::draw()
{
    const bool large = m_editor.contentsLength() > largePage;
    if (large && !m_asked) {
        showNote(QStringLiteral("This page is larger than 4 MB, so the preview draws it only "
                                "when asked, and typing stays quick."),
                 true);
        return;
    }
    m_asked = false;
    QByteArray text;
    m_editor.copyContents(text);
    const int generation = ++m_generation;
    QThread *const windowThread = thread();
    m_thread->post([this, text, file = m_pageFile, width = m_view->viewport()->width(),
                    reader = m_reader, generation, windowThread] {
        // A newer text on its way makes this one pointless.
        if (generation != m_generation)
            return;
        const QMutexLocker fonts(&m_fonts);
        auto drawing = std::make_shared<PageDrawing>(drawPage(text, file, width, reader));
        if (generation != m_generation)
            return;
        drawing->document->moveToThread(windowThread);
        QMetaObject::invokeMethod(
            this, [this, drawing, generation] { adopt(drawing, generation); },
            Qt::QueuedConnection);
    });
    if (large)
        showNote(QStringLiteral("This page is larger than 4 MB: the preview shows it as it "
                                "was when asked, and draws it again when asked."),
                 true);
}

void LivePreview::adopt(const std::shared_ptr<PageDrawing> &drawing, int generation)
{
    if (generation != m_generation) {
        retire(drawing);
        return;
    }
    // The old drawing goes once the view has let go of it.
    std::shared_ptr<PageDrawing> old = std::exchange(m_drawing, drawing);
    m_view->setDocument(drawing->document.get());
    retire(std::move(old));
    if (drawing->frames)
        showNote(QStringLiteral("This page is made of frames, which the live preview does not "
                                "draw: preview it in the browser (F5)."),
                 false);
    else if (drawing->length <= largePage)
        showNote({}, false);
    followCaret();
}

void LivePreview::followCaret()
{
    if (!m_drawing)
        return;
    const long caret = m_editor.caretOffset();
    const std::vector<PageAnchor> &anchors = m_drawing->anchors;
    auto after = std::upper_bound(anchors.begin(), anchors.end(), caret,
                                  [](long at, const PageAnchor &anchor) {
                                      return at < anchor.source;
                                  });
    if (after != anchors.begin()) {
        m_view->scrollTo(std::prev(after)->top);
        return;
    }
    const qreal share = m_drawing->length > 0 ? qreal(caret) / m_drawing->length : 0;
    m_view->scrollTo(share * m_drawing->document->size().height());
}

void LivePreview::showNote(const QString &text, bool offerDrawing)
{
    m_note->setText(text);
    m_note->setVisible(!text.isEmpty());
    m_drawButton->setVisible(offerDrawing);
}
