#include "chart/PlotConst.h"

#include <iterator>

std::string NewLine;
TStringList* PlotEnglishLanguage = nullptr;
TStringList* PlotLanguage = nullptr;
bool PlotLanguageHotKeyAtEnd = false;
bool PlotLanguageCanUpper = true;

std::string PlotMsg_Test;
std::string PlotMsg_LegendFirstValue;
std::string PlotMsg_LegendColorWidth;
std::string PlotMsg_SeriesSetDataSource;
std::string PlotMsg_SeriesInvDataSource;
std::string PlotMsg_AxisLogDateTime;
std::string PlotMsg_AxisLogNotPositive;
std::string PlotMsg_AxisLabelSep;
std::string PlotMsg_AxisIncrementNeg;
std::string PlotMsg_AxisMinMax;
std::string PlotMsg_AxisMaxMin;
std::string PlotMsg_AxisLogBase;
std::string PlotMsg_MaxPointsPerPage;
std::string PlotMsg_CircularSeries;
std::string PlotMsg_DefaultPercentOf;
std::string PlotMsg_DefaultPercentOf2;
std::string PlotMsg_DefPercentFormat;
std::string PlotMsg_DefValueFormat;
std::string PlotMsg_DefLogValueFormat;
std::string PlotMsg_AxisTitle;
std::string PlotMsg_AxisLabels;
std::string PlotMsg_RefreshInterval;
std::string PlotMsg_SeriesParentNoSelf;
std::string PlotMsg_GalleryLine;
std::string PlotMsg_GalleryPoint;
std::string PlotMsg_GalleryArea;
std::string PlotMsg_GalleryBar;
std::string PlotMsg_GalleryHorizBar;
std::string PlotMsg_Stack;
std::string PlotMsg_GalleryPie;
std::string PlotMsg_GalleryCircled;
std::string PlotMsg_GalleryFastLine;
std::string PlotMsg_GalleryHorizLine;
std::string PlotMsg_PieSample1;
std::string PlotMsg_PieSample2;
std::string PlotMsg_PieSample3;
std::string PlotMsg_PieSample4;
std::string PlotMsg_PieSample5;
std::string PlotMsg_PieSample6;
std::string PlotMsg_PieSample7;
std::string PlotMsg_PieSample8;
std::string PlotMsg_GalleryLogoFont;
std::string PlotMsg_Editing;
std::string PlotMsg_GalleryStandard;
std::string PlotMsg_GalleryExtended;
std::string PlotMsg_GalleryFunctions;
std::string PlotMsg_EditChart;
std::string PlotMsg_PrintPreview;
std::string PlotMsg_ExportChart;
std::string PlotMsg_CustomAxes;
std::string PlotMsg_InvalidEditorClass;
std::string PlotMsg_MissingEditorClass;
std::string PlotMsg_GalleryArrow;
std::string PlotMsg_ExpFinish;
std::string PlotMsg_ExpNext;
std::string PlotMsg_GalleryGantt;
std::string PlotMsg_GanttSample1;
std::string PlotMsg_GanttSample2;
std::string PlotMsg_GanttSample3;
std::string PlotMsg_GanttSample4;
std::string PlotMsg_GanttSample5;
std::string PlotMsg_GanttSample6;
std::string PlotMsg_GanttSample7;
std::string PlotMsg_GanttSample8;
std::string PlotMsg_GanttSample9;
std::string PlotMsg_GanttSample10;
std::string PlotMsg_ChangeSeriesTitle;
std::string PlotMsg_NewSeriesTitle;
std::string PlotMsg_DateTime;
std::string PlotMsg_TopAxis;
std::string PlotMsg_BottomAxis;
std::string PlotMsg_LeftAxis;
std::string PlotMsg_RightAxis;
std::string PlotMsg_SureToDelete;
std::string PlotMsg_DateTimeFormat;
std::string PlotMsg_Default;
std::string PlotMsg_ValuesFormat;
std::string PlotMsg_Maximum;
std::string PlotMsg_Minimum;
std::string PlotMsg_DesiredIncrement;
std::string PlotMsg_IncorrectMaxMinValue;
std::string PlotMsg_EnterDateTime;
std::string PlotMsg_SureToApply;
std::string PlotMsg_SelectedSeries;
std::string PlotMsg_RefreshData;
std::string PlotMsg_DefaultFontSize;
std::string PlotMsg_DefaultEditorSize;
std::string PlotMsg_DefaultEditorHeight;
std::string PlotMsg_FunctionAdd;
std::string PlotMsg_FunctionSubtract;
std::string PlotMsg_FunctionMultiply;
std::string PlotMsg_FunctionDivide;
std::string PlotMsg_FunctionHigh;
std::string PlotMsg_FunctionLow;
std::string PlotMsg_FunctionAverage;
std::string PlotMsg_GalleryShape;
std::string PlotMsg_GalleryBubble;
std::string PlotMsg_FunctionNone;
std::string PlotMsg_None;
std::string PlotMsg_PrivateDeclarations;
std::string PlotMsg_PublicDeclarations;
std::string PlotMsg_DefaultFontName;
std::string PlotMsg_CheckPointerSize;
std::string PlotMsg_About;
std::string tcAdditional;
std::string tcDControls;
std::string tcQReport;
std::string PlotMsg_DataSet;
std::string PlotMsg_AskDataSet;
std::string PlotMsg_SingleRecord;
std::string PlotMsg_AskDataSource;
std::string PlotMsg_Summary;
std::string PlotMsg_FunctionPeriod;
std::string PlotMsg_WizardTab;
std::string PlotMsg_PlotChartWizard;
std::string PlotMsg_ClearImage;
std::string PlotMsg_BrowseImage;
std::string PlotMsg_WizardSureToClose;
std::string PlotMsg_FieldNotFound;
std::string PlotMsg_DepthAxis;
std::string PlotMsg_PieOther;
std::string PlotMsg_ShapeGallery1;
std::string PlotMsg_ShapeGallery2;
std::string PlotMsg_ValuesX;
std::string PlotMsg_ValuesY;
std::string PlotMsg_ValuesPie;
std::string PlotMsg_ValuesBar;
std::string PlotMsg_ValuesAngle;
std::string PlotMsg_ValuesGanttStart;
std::string PlotMsg_ValuesGanttEnd;
std::string PlotMsg_ValuesGanttNextTask;
std::string PlotMsg_ValuesBubbleRadius;
std::string PlotMsg_ValuesArrowEndX;
std::string PlotMsg_ValuesArrowEndY;
std::string PlotMsg_Legend;
std::string PlotMsg_Title;
std::string PlotMsg_Foot;
std::string PlotMsg_Period;
std::string PlotMsg_PeriodRange;
std::string PlotMsg_CalcPeriod;
std::string PlotMsg_SmallDotsPen;
std::string PlotMsg_InvalidPlotFile;
std::string PlotMsg_WrongPlotFileFormat;
std::string PlotMsg_EmptyPlotFile;
std::string PlotMsg_ChartAxesCategoryName;
std::string PlotMsg_ChartAxesCategoryDesc;
std::string PlotMsg_ChartWallsCategoryName;
std::string PlotMsg_ChartWallsCategoryDesc;
std::string PlotMsg_ChartTitlesCategoryName;
std::string PlotMsg_ChartTitlesCategoryDesc;
std::string PlotMsg_Chart3DCategoryName;
std::string PlotMsg_Chart3DCategoryDesc;
std::string PlotMsg_CustomAxesEditor;
std::string PlotMsg_Series;
std::string PlotMsg_SeriesList;
std::string PlotMsg_PageOfPages;
std::string PlotMsg_FileSize;
std::string PlotMsg_First;
std::string PlotMsg_Prior;
std::string PlotMsg_Next;
std::string PlotMsg_Last;
std::string PlotMsg_Insert;
std::string PlotMsg_Delete;
std::string PlotMsg_Edit;
std::string PlotMsg_Post;
std::string PlotMsg_Cancel;
std::string PlotMsg_All;
std::string PlotMsg_Index;
std::string PlotMsg_Text;
std::string PlotMsg_AsBMP;
std::string PlotMsg_BMPFilter;
std::string PlotMsg_AsEMF;
std::string PlotMsg_EMFFilter;
std::string PlotMsg_ExportPanelNotSet;
std::string PlotMsg_Normal;
std::string PlotMsg_NoBorder;
std::string PlotMsg_Dotted;
std::string PlotMsg_Colors;
std::string PlotMsg_Filled;
std::string PlotMsg_Marks;
std::string PlotMsg_Stairs;
std::string PlotMsg_Points;
std::string PlotMsg_Height;
std::string PlotMsg_Hollow;
std::string PlotMsg_Point2D;
std::string PlotMsg_Triangle;
std::string PlotMsg_Star;
std::string PlotMsg_Circle;
std::string PlotMsg_DownTri;
std::string PlotMsg_Cross;
std::string PlotMsg_Diamond;
std::string PlotMsg_NoLines;
std::string PlotMsg_Stack100;
std::string PlotMsg_Pyramid;
std::string PlotMsg_Ellipse;
std::string PlotMsg_InvPyramid;
std::string PlotMsg_Sides;
std::string PlotMsg_SideAll;
std::string PlotMsg_Patterns;
std::string PlotMsg_Exploded;
std::string PlotMsg_Shadow;
std::string PlotMsg_SemiPie;
std::string PlotMsg_Rectangle;
std::string PlotMsg_VertLine;
std::string PlotMsg_HorizLine;
std::string PlotMsg_Line;
std::string PlotMsg_Cube;
std::string PlotMsg_DiagCross;
std::string PlotMsg_CanNotFindTempPath;
std::string PlotMsg_CanNotCreateTempChart;
std::string PlotMsg_CanNotEmailChart;
std::string PlotMsg_SeriesDelete;
std::string PlotMsg_NoSeriesSelected;
std::string PlotMsg_CannotLoadChartFromURL;
std::string PlotMsg_CannotLoadSeriesDataFromURL;
std::string PlotMsg_AsJPEG;
std::string PlotMsg_JPEGFilter;
std::string PlotMsg_AsGIF;
std::string PlotMsg_GIFFilter;
std::string PlotMsg_AsPNG;
std::string PlotMsg_PNGFilter;
std::string PlotMsg_AsPCX;
std::string PlotMsg_PCXFilter;
std::string PlotMsg_AsVML;
std::string PlotMsg_VMLFilter;
std::string PlotMsg_AskLanguage;
std::string PlotMsg_TextFile;
std::string PlotMsg_Gradient;
std::string PlotMsg_WantToSave;
std::string PlotMsg_NativeFilter;
std::string PlotMsg_Property;
std::string PlotMsg_Value;
std::string PlotMsg_Yes;
std::string PlotMsg_No;
std::string PlotMsg_Image;
std::string PlotMsg_FunctionCustom;
std::string PlotMsg_AsPDF;
std::string PlotMsg_PDFFilter;
std::string PlotMsg_AsPS;
std::string PlotMsg_PSFilter;
std::string PlotMsg_GalleryHorizArea;
std::string PlotMsg_SelfStack;
std::string PlotMsg_DarkPen;
std::string PlotMsg_SelectFolder;
std::string PlotMsg_BDEAlias;
std::string PlotMsg_ADOConnection;
std::string PlotMsg_Apply;
std::string PlotMsg_AddNewGroup;
std::string PlotMsg_ChangeGroupName;
std::string PlotMsg_GroupName;
std::string PlotMsg_FunctionMedian;
std::string PlotMsg_FunctionMode;
std::string PlotMsg_Options;
std::string PlotMsg_DepthTopAxis;
std::string PlotMsg_View2D;
std::string PlotMsg_Outline;
std::string PlotMsg_TextFilter1;
std::string PlotMsg_TextFilter2;
std::string PlotMsg_TextFilter3;
std::string PlotMsg_TextFilter4;
std::string PlotMsg_TextFilter5;
std::string PlotMsg_XMLFilter;
std::string PlotMsg_HTMLFilter;
std::string PlotMsg_ExcelFilter;
std::string PlotMsg_ViewOrthoRight;
std::string PlotMsg_ViewOrthoLeft;
std::string PlotMsg_View3DFront;
std::string PlotMsg_View3DRight;
std::string PlotMsg_View3DLeft;
std::string PlotMsg_AsSVG;
std::string PlotMsg_SVGFilter;
std::string PlotMsg_SubTitle;
std::string PlotMsg_SubFoot;
std::string PlotMsg_FunctionSubset;
std::string PlotMsg_Hexagon;
std::string PlotMsg_AntiAlias;
std::string PlotMsg_Percent;
std::string PlotMsg_Smooth;
std::string PlotMsg_Blur;
std::string PlotMsg_Width;
std::string PlotMsg_Resize;
std::string PlotMsg_Left;
std::string PlotMsg_Top;
std::string PlotMsg_Crop;
std::string PlotMsg_Invert;
std::string PlotMsg_GrayScale;
std::string PlotMsg_Mosaic;
std::string PlotMsg_Flip;
std::string PlotMsg_Reverse;
std::string PlotMsg_Brightness;
std::string PlotMsg_Color;
std::string PlotMsg_HueLumSat;
std::string PlotMsg_Sharpen;
std::string PlotMsg_GammaCorrection;
std::string PlotMsg_Emboss;
std::string PlotMsg_Contrast;
std::string PlotMsg_Rotate;
std::string PlotMsg_Back;
std::string PlotMsg_Autosize;
std::string PlotMsg_Mirror;
std::string PlotMsg_Columns;
std::string PlotMsg_Rows;
std::string PlotMsg_Tile;
std::string PlotMsg_Bevel;
std::string PlotMsg_Zoom;
std::string PlotMsg_ThemeDefault;
std::string PlotMsg_ThemePlotChart;
std::string PlotMsg_ThemeExcel;
std::string PlotMsg_ThemeVictorian;
std::string PlotMsg_ThemePastels;
std::string PlotMsg_ThemeSolid;
std::string PlotMsg_ThemeClassic;
std::string PlotMsg_ThemeWeb;
std::string PlotMsg_ThemeModern;
std::string PlotMsg_ThemeRainbow;
std::string PlotMsg_ThemeWinXP;
std::string PlotMsg_ThemeMacOS;
std::string PlotMsg_ThemeWinVista;
std::string PlotMsg_ThemeGrayScale;
std::string PlotMsg_ThemeOpera;
std::string PlotMsg_ThemeWarm;
std::string PlotMsg_ThemeCool;
std::string PlotMsg_MenuFilters;
std::string PlotMsg_CrossTab;
std::string PlotMsg_DBSumEditCaption;
std::string PlotMsg_AsFlex;
std::string PlotMsg_FlexFilter;
std::string PlotMsg_AsXAML;
std::string PlotMsg_XAMLFilter;
std::string PlotMsg_SelectTmpFolder;
std::string PlotMsg_PathAdobeFlexCompiler;
std::string PlotPolarDegreeSymbol;
std::string PlotMsg_NewChart;
std::string PlotMsg_RenameChart;
std::string PlotMsg_ChartName;
std::string PlotMsg_SelectTextFile;
std::string PlotMsg_SaveTextFile;
std::string PlotMsg_RecordVideo;
std::string PlotMsg_ChangeToolName;
std::string PlotMsg_NewToolName;
std::string PlotMsg_Change;
std::string PlotMsg_GalleryTernary;
std::string PlotMsg_ValuesWeighting;
std::string PlotMsg_DPI;
std::string PlotMsg_DPIIdentifier;
std::string PlotMsg_ThemeBlack;
std::string PlotMsg_ThemeSpeed;
std::string PlotMsg_TernaryMarkRadius;
std::string PlotMsg_TernaryMarkWeight;
std::string PlotMsg_ChangeAnimationName;
std::string PlotMsg_NewAnimationName;
std::string PlotMsg_StraightAll;
std::string PlotMsg_ExpandAnimation;
std::string PlotMsg_ExpandAnimationDesc;
std::string PlotMsg_FunctionSmooth;
std::string PlotMsg_LegendTitle;
std::string PlotMsg_RGB;
std::string PlotMsg_HLS;
std::string PlotMsg_Search;
std::string PlotMsg_GalleryPointError;
std::string PlotMsg_GalleryPoint3DError;
std::string PlotMsg_EquiVolumeVolValues;
std::string PlotMsg_JScriptNonSupportMsg;
std::string PlotMsg_AsJScript;
std::string PlotMsg_JScriptFilter;
std::string PlotMsg_Metro;
std::string PlotMsg_HTML5Canvas;
std::string PlotMsg_HTML5CanvasFilter;
std::string PlotMsg_iOSPalette;
std::string PlotMsg_ServerError;
std::string PlotMsg_ServerCaption;
std::string PlotMsg_ExceptionSend;
std::string PlotMsg_JSONFilter;
std::string PlotMsg_ODSFilter;
std::string PlotMsg_Item;
std::string PlotMsg_AndroidPalette;
std::string PlotMsg_Concentric;
std::string PlotMsg_Animate;
std::string PlotMsg_Stop;
std::string PlotMsg_Animation;
std::string PlotMsg_RandomPoints;
std::string PlotMsg_FunctionPareto;
std::string PlotMsg_FunctionCentroid;
std::string PlotMsg_GalleryDonut;
std::string PlotMsg_Data;
std::string PlotMsg_LineAnimation;
std::string PlotMsg_SeriesTransition;
std::string PlotMsg_SeriesAnimTool;
std::string PlotMsg_SeriesAnimationDesc;
std::string PlotMsg_ColorReplacer;
std::string PlotMsg_Equalize;
std::string PlotMsg_Sobel;
std::string PlotMsg_Sepia;
std::string PlotMsg_LookoutPalette;
std::string PlotMsg_SeawashPalette;
std::string PlotMsg_TemplateStackedBars;
std::string PlotMsg_TemplateLineandPoint;
std::string PlotMsg_TemplateConcentricDonuts;
std::string PlotMsg_ExcelEmptyFile;
std::string PlotMsg_ExcelFile;
std::string PlotMsg_ExcelSheetEmpty;
std::string PlotMsg_ExcelRangeMissing;
std::string PlotMsg_ActivityPalette;
std::string PlotMsg_GalleryActivityGauge;
std::string PlotMsg_GalleryEqualizerSeries;

namespace {

struct Entry {
  const char* Name;
  std::string* Text;
};

const Entry kTable[] = {
    {"PlotMsg_Test", &PlotMsg_Test},
    {"PlotMsg_LegendFirstValue", &PlotMsg_LegendFirstValue},
    {"PlotMsg_LegendColorWidth", &PlotMsg_LegendColorWidth},
    {"PlotMsg_SeriesSetDataSource", &PlotMsg_SeriesSetDataSource},
    {"PlotMsg_SeriesInvDataSource", &PlotMsg_SeriesInvDataSource},
    {"PlotMsg_AxisLogDateTime", &PlotMsg_AxisLogDateTime},
    {"PlotMsg_AxisLogNotPositive", &PlotMsg_AxisLogNotPositive},
    {"PlotMsg_AxisLabelSep", &PlotMsg_AxisLabelSep},
    {"PlotMsg_AxisIncrementNeg", &PlotMsg_AxisIncrementNeg},
    {"PlotMsg_AxisMinMax", &PlotMsg_AxisMinMax},
    {"PlotMsg_AxisMaxMin", &PlotMsg_AxisMaxMin},
    {"PlotMsg_AxisLogBase", &PlotMsg_AxisLogBase},
    {"PlotMsg_MaxPointsPerPage", &PlotMsg_MaxPointsPerPage},
    {"PlotMsg_CircularSeries", &PlotMsg_CircularSeries},
    {"PlotMsg_DefaultPercentOf", &PlotMsg_DefaultPercentOf},
    {"PlotMsg_DefaultPercentOf2", &PlotMsg_DefaultPercentOf2},
    {"PlotMsg_DefPercentFormat", &PlotMsg_DefPercentFormat},
    {"PlotMsg_DefValueFormat", &PlotMsg_DefValueFormat},
    {"PlotMsg_DefLogValueFormat", &PlotMsg_DefLogValueFormat},
    {"PlotMsg_AxisTitle", &PlotMsg_AxisTitle},
    {"PlotMsg_AxisLabels", &PlotMsg_AxisLabels},
    {"PlotMsg_RefreshInterval", &PlotMsg_RefreshInterval},
    {"PlotMsg_SeriesParentNoSelf", &PlotMsg_SeriesParentNoSelf},
    {"PlotMsg_GalleryLine", &PlotMsg_GalleryLine},
    {"PlotMsg_GalleryPoint", &PlotMsg_GalleryPoint},
    {"PlotMsg_GalleryArea", &PlotMsg_GalleryArea},
    {"PlotMsg_GalleryBar", &PlotMsg_GalleryBar},
    {"PlotMsg_GalleryHorizBar", &PlotMsg_GalleryHorizBar},
    {"PlotMsg_Stack", &PlotMsg_Stack},
    {"PlotMsg_GalleryPie", &PlotMsg_GalleryPie},
    {"PlotMsg_GalleryCircled", &PlotMsg_GalleryCircled},
    {"PlotMsg_GalleryFastLine", &PlotMsg_GalleryFastLine},
    {"PlotMsg_GalleryHorizLine", &PlotMsg_GalleryHorizLine},
    {"PlotMsg_PieSample1", &PlotMsg_PieSample1},
    {"PlotMsg_PieSample2", &PlotMsg_PieSample2},
    {"PlotMsg_PieSample3", &PlotMsg_PieSample3},
    {"PlotMsg_PieSample4", &PlotMsg_PieSample4},
    {"PlotMsg_PieSample5", &PlotMsg_PieSample5},
    {"PlotMsg_PieSample6", &PlotMsg_PieSample6},
    {"PlotMsg_PieSample7", &PlotMsg_PieSample7},
    {"PlotMsg_PieSample8", &PlotMsg_PieSample8},
    {"PlotMsg_GalleryLogoFont", &PlotMsg_GalleryLogoFont},
    {"PlotMsg_Editing", &PlotMsg_Editing},
    {"PlotMsg_GalleryStandard", &PlotMsg_GalleryStandard},
    {"PlotMsg_GalleryExtended", &PlotMsg_GalleryExtended},
    {"PlotMsg_GalleryFunctions", &PlotMsg_GalleryFunctions},
    {"PlotMsg_EditChart", &PlotMsg_EditChart},
    {"PlotMsg_PrintPreview", &PlotMsg_PrintPreview},
    {"PlotMsg_ExportChart", &PlotMsg_ExportChart},
    {"PlotMsg_CustomAxes", &PlotMsg_CustomAxes},
    {"PlotMsg_InvalidEditorClass", &PlotMsg_InvalidEditorClass},
    {"PlotMsg_MissingEditorClass", &PlotMsg_MissingEditorClass},
    {"PlotMsg_GalleryArrow", &PlotMsg_GalleryArrow},
    {"PlotMsg_ExpFinish", &PlotMsg_ExpFinish},
    {"PlotMsg_ExpNext", &PlotMsg_ExpNext},
    {"PlotMsg_GalleryGantt", &PlotMsg_GalleryGantt},
    {"PlotMsg_GanttSample1", &PlotMsg_GanttSample1},
    {"PlotMsg_GanttSample2", &PlotMsg_GanttSample2},
    {"PlotMsg_GanttSample3", &PlotMsg_GanttSample3},
    {"PlotMsg_GanttSample4", &PlotMsg_GanttSample4},
    {"PlotMsg_GanttSample5", &PlotMsg_GanttSample5},
    {"PlotMsg_GanttSample6", &PlotMsg_GanttSample6},
    {"PlotMsg_GanttSample7", &PlotMsg_GanttSample7},
    {"PlotMsg_GanttSample8", &PlotMsg_GanttSample8},
    {"PlotMsg_GanttSample9", &PlotMsg_GanttSample9},
    {"PlotMsg_GanttSample10", &PlotMsg_GanttSample10},
    {"PlotMsg_ChangeSeriesTitle", &PlotMsg_ChangeSeriesTitle},
    {"PlotMsg_NewSeriesTitle", &PlotMsg_NewSeriesTitle},
    {"PlotMsg_DateTime", &PlotMsg_DateTime},
    {"PlotMsg_TopAxis", &PlotMsg_TopAxis},
    {"PlotMsg_BottomAxis", &PlotMsg_BottomAxis},
    {"PlotMsg_LeftAxis", &PlotMsg_LeftAxis},
    {"PlotMsg_RightAxis", &PlotMsg_RightAxis},
    {"PlotMsg_SureToDelete", &PlotMsg_SureToDelete},
    {"PlotMsg_DateTimeFormat", &PlotMsg_DateTimeFormat},
    {"PlotMsg_Default", &PlotMsg_Default},
    {"PlotMsg_ValuesFormat", &PlotMsg_ValuesFormat},
    {"PlotMsg_Maximum", &PlotMsg_Maximum},
    {"PlotMsg_Minimum", &PlotMsg_Minimum},
    {"PlotMsg_DesiredIncrement", &PlotMsg_DesiredIncrement},
    {"PlotMsg_IncorrectMaxMinValue", &PlotMsg_IncorrectMaxMinValue},
    {"PlotMsg_EnterDateTime", &PlotMsg_EnterDateTime},
    {"PlotMsg_SureToApply", &PlotMsg_SureToApply},
    {"PlotMsg_SelectedSeries", &PlotMsg_SelectedSeries},
    {"PlotMsg_RefreshData", &PlotMsg_RefreshData},
    {"PlotMsg_DefaultFontSize", &PlotMsg_DefaultFontSize},
    {"PlotMsg_DefaultEditorSize", &PlotMsg_DefaultEditorSize},
    {"PlotMsg_DefaultEditorHeight", &PlotMsg_DefaultEditorHeight},
    {"PlotMsg_FunctionAdd", &PlotMsg_FunctionAdd},
    {"PlotMsg_FunctionSubtract", &PlotMsg_FunctionSubtract},
    {"PlotMsg_FunctionMultiply", &PlotMsg_FunctionMultiply},
    {"PlotMsg_FunctionDivide", &PlotMsg_FunctionDivide},
    {"PlotMsg_FunctionHigh", &PlotMsg_FunctionHigh},
    {"PlotMsg_FunctionLow", &PlotMsg_FunctionLow},
    {"PlotMsg_FunctionAverage", &PlotMsg_FunctionAverage},
    {"PlotMsg_GalleryShape", &PlotMsg_GalleryShape},
    {"PlotMsg_GalleryBubble", &PlotMsg_GalleryBubble},
    {"PlotMsg_FunctionNone", &PlotMsg_FunctionNone},
    {"PlotMsg_None", &PlotMsg_None},
    {"PlotMsg_PrivateDeclarations", &PlotMsg_PrivateDeclarations},
    {"PlotMsg_PublicDeclarations", &PlotMsg_PublicDeclarations},
    {"PlotMsg_DefaultFontName", &PlotMsg_DefaultFontName},
    {"PlotMsg_CheckPointerSize", &PlotMsg_CheckPointerSize},
    {"PlotMsg_About", &PlotMsg_About},
    {"tcAdditional", &tcAdditional},
    {"tcDControls", &tcDControls},
    {"tcQReport", &tcQReport},
    {"PlotMsg_DataSet", &PlotMsg_DataSet},
    {"PlotMsg_AskDataSet", &PlotMsg_AskDataSet},
    {"PlotMsg_SingleRecord", &PlotMsg_SingleRecord},
    {"PlotMsg_AskDataSource", &PlotMsg_AskDataSource},
    {"PlotMsg_Summary", &PlotMsg_Summary},
    {"PlotMsg_FunctionPeriod", &PlotMsg_FunctionPeriod},
    {"PlotMsg_WizardTab", &PlotMsg_WizardTab},
    {"PlotMsg_PlotChartWizard", &PlotMsg_PlotChartWizard},
    {"PlotMsg_ClearImage", &PlotMsg_ClearImage},
    {"PlotMsg_BrowseImage", &PlotMsg_BrowseImage},
    {"PlotMsg_WizardSureToClose", &PlotMsg_WizardSureToClose},
    {"PlotMsg_FieldNotFound", &PlotMsg_FieldNotFound},
    {"PlotMsg_DepthAxis", &PlotMsg_DepthAxis},
    {"PlotMsg_PieOther", &PlotMsg_PieOther},
    {"PlotMsg_ShapeGallery1", &PlotMsg_ShapeGallery1},
    {"PlotMsg_ShapeGallery2", &PlotMsg_ShapeGallery2},
    {"PlotMsg_ValuesX", &PlotMsg_ValuesX},
    {"PlotMsg_ValuesY", &PlotMsg_ValuesY},
    {"PlotMsg_ValuesPie", &PlotMsg_ValuesPie},
    {"PlotMsg_ValuesBar", &PlotMsg_ValuesBar},
    {"PlotMsg_ValuesAngle", &PlotMsg_ValuesAngle},
    {"PlotMsg_ValuesGanttStart", &PlotMsg_ValuesGanttStart},
    {"PlotMsg_ValuesGanttEnd", &PlotMsg_ValuesGanttEnd},
    {"PlotMsg_ValuesGanttNextTask", &PlotMsg_ValuesGanttNextTask},
    {"PlotMsg_ValuesBubbleRadius", &PlotMsg_ValuesBubbleRadius},
    {"PlotMsg_ValuesArrowEndX", &PlotMsg_ValuesArrowEndX},
    {"PlotMsg_ValuesArrowEndY", &PlotMsg_ValuesArrowEndY},
    {"PlotMsg_Legend", &PlotMsg_Legend},
    {"PlotMsg_Title", &PlotMsg_Title},
    {"PlotMsg_Foot", &PlotMsg_Foot},
    {"PlotMsg_Period", &PlotMsg_Period},
    {"PlotMsg_PeriodRange", &PlotMsg_PeriodRange},
    {"PlotMsg_CalcPeriod", &PlotMsg_CalcPeriod},
    {"PlotMsg_SmallDotsPen", &PlotMsg_SmallDotsPen},
    {"PlotMsg_InvalidPlotFile", &PlotMsg_InvalidPlotFile},
    {"PlotMsg_WrongPlotFileFormat", &PlotMsg_WrongPlotFileFormat},
    {"PlotMsg_EmptyPlotFile", &PlotMsg_EmptyPlotFile},
    {"PlotMsg_ChartAxesCategoryName", &PlotMsg_ChartAxesCategoryName},
    {"PlotMsg_ChartAxesCategoryDesc", &PlotMsg_ChartAxesCategoryDesc},
    {"PlotMsg_ChartWallsCategoryName", &PlotMsg_ChartWallsCategoryName},
    {"PlotMsg_ChartWallsCategoryDesc", &PlotMsg_ChartWallsCategoryDesc},
    {"PlotMsg_ChartTitlesCategoryName", &PlotMsg_ChartTitlesCategoryName},
    {"PlotMsg_ChartTitlesCategoryDesc", &PlotMsg_ChartTitlesCategoryDesc},
    {"PlotMsg_Chart3DCategoryName", &PlotMsg_Chart3DCategoryName},
    {"PlotMsg_Chart3DCategoryDesc", &PlotMsg_Chart3DCategoryDesc},
    {"PlotMsg_CustomAxesEditor", &PlotMsg_CustomAxesEditor},
    {"PlotMsg_Series", &PlotMsg_Series},
    {"PlotMsg_SeriesList", &PlotMsg_SeriesList},
    {"PlotMsg_PageOfPages", &PlotMsg_PageOfPages},
    {"PlotMsg_FileSize", &PlotMsg_FileSize},
    {"PlotMsg_First", &PlotMsg_First},
    {"PlotMsg_Prior", &PlotMsg_Prior},
    {"PlotMsg_Next", &PlotMsg_Next},
    {"PlotMsg_Last", &PlotMsg_Last},
    {"PlotMsg_Insert", &PlotMsg_Insert},
    {"PlotMsg_Delete", &PlotMsg_Delete},
    {"PlotMsg_Edit", &PlotMsg_Edit},
    {"PlotMsg_Post", &PlotMsg_Post},
    {"PlotMsg_Cancel", &PlotMsg_Cancel},
    {"PlotMsg_All", &PlotMsg_All},
    {"PlotMsg_Index", &PlotMsg_Index},
    {"PlotMsg_Text", &PlotMsg_Text},
    {"PlotMsg_AsBMP", &PlotMsg_AsBMP},
    {"PlotMsg_BMPFilter", &PlotMsg_BMPFilter},
    {"PlotMsg_AsEMF", &PlotMsg_AsEMF},
    {"PlotMsg_EMFFilter", &PlotMsg_EMFFilter},
    {"PlotMsg_ExportPanelNotSet", &PlotMsg_ExportPanelNotSet},
    {"PlotMsg_Normal", &PlotMsg_Normal},
    {"PlotMsg_NoBorder", &PlotMsg_NoBorder},
    {"PlotMsg_Dotted", &PlotMsg_Dotted},
    {"PlotMsg_Colors", &PlotMsg_Colors},
    {"PlotMsg_Filled", &PlotMsg_Filled},
    {"PlotMsg_Marks", &PlotMsg_Marks},
    {"PlotMsg_Stairs", &PlotMsg_Stairs},
    {"PlotMsg_Points", &PlotMsg_Points},
    {"PlotMsg_Height", &PlotMsg_Height},
    {"PlotMsg_Hollow", &PlotMsg_Hollow},
    {"PlotMsg_Point2D", &PlotMsg_Point2D},
    {"PlotMsg_Triangle", &PlotMsg_Triangle},
    {"PlotMsg_Star", &PlotMsg_Star},
    {"PlotMsg_Circle", &PlotMsg_Circle},
    {"PlotMsg_DownTri", &PlotMsg_DownTri},
    {"PlotMsg_Cross", &PlotMsg_Cross},
    {"PlotMsg_Diamond", &PlotMsg_Diamond},
    {"PlotMsg_NoLines", &PlotMsg_NoLines},
    {"PlotMsg_Stack100", &PlotMsg_Stack100},
    {"PlotMsg_Pyramid", &PlotMsg_Pyramid},
    {"PlotMsg_Ellipse", &PlotMsg_Ellipse},
    {"PlotMsg_InvPyramid", &PlotMsg_InvPyramid},
    {"PlotMsg_Sides", &PlotMsg_Sides},
    {"PlotMsg_SideAll", &PlotMsg_SideAll},
    {"PlotMsg_Patterns", &PlotMsg_Patterns},
    {"PlotMsg_Exploded", &PlotMsg_Exploded},
    {"PlotMsg_Shadow", &PlotMsg_Shadow},
    {"PlotMsg_SemiPie", &PlotMsg_SemiPie},
    {"PlotMsg_Rectangle", &PlotMsg_Rectangle},
    {"PlotMsg_VertLine", &PlotMsg_VertLine},
    {"PlotMsg_HorizLine", &PlotMsg_HorizLine},
    {"PlotMsg_Line", &PlotMsg_Line},
    {"PlotMsg_Cube", &PlotMsg_Cube},
    {"PlotMsg_DiagCross", &PlotMsg_DiagCross},
    {"PlotMsg_CanNotFindTempPath", &PlotMsg_CanNotFindTempPath},
    {"PlotMsg_CanNotCreateTempChart", &PlotMsg_CanNotCreateTempChart},
    {"PlotMsg_CanNotEmailChart", &PlotMsg_CanNotEmailChart},
    {"PlotMsg_SeriesDelete", &PlotMsg_SeriesDelete},
    {"PlotMsg_NoSeriesSelected", &PlotMsg_NoSeriesSelected},
    {"PlotMsg_CannotLoadChartFromURL", &PlotMsg_CannotLoadChartFromURL},
    {"PlotMsg_CannotLoadSeriesDataFromURL", &PlotMsg_CannotLoadSeriesDataFromURL},
    {"PlotMsg_AsJPEG", &PlotMsg_AsJPEG},
    {"PlotMsg_JPEGFilter", &PlotMsg_JPEGFilter},
    {"PlotMsg_AsGIF", &PlotMsg_AsGIF},
    {"PlotMsg_GIFFilter", &PlotMsg_GIFFilter},
    {"PlotMsg_AsPNG", &PlotMsg_AsPNG},
    {"PlotMsg_PNGFilter", &PlotMsg_PNGFilter},
    {"PlotMsg_AsPCX", &PlotMsg_AsPCX},
    {"PlotMsg_PCXFilter", &PlotMsg_PCXFilter},
    {"PlotMsg_AsVML", &PlotMsg_AsVML},
    {"PlotMsg_VMLFilter", &PlotMsg_VMLFilter},
    {"PlotMsg_AskLanguage", &PlotMsg_AskLanguage},
    {"PlotMsg_TextFile", &PlotMsg_TextFile},
    {"PlotMsg_Gradient", &PlotMsg_Gradient},
    {"PlotMsg_WantToSave", &PlotMsg_WantToSave},
    {"PlotMsg_NativeFilter", &PlotMsg_NativeFilter},
    {"PlotMsg_Property", &PlotMsg_Property},
    {"PlotMsg_Value", &PlotMsg_Value},
    {"PlotMsg_Yes", &PlotMsg_Yes},
    {"PlotMsg_No", &PlotMsg_No},
    {"PlotMsg_Image", &PlotMsg_Image},
    {"PlotMsg_FunctionCustom", &PlotMsg_FunctionCustom},
    {"PlotMsg_AsPDF", &PlotMsg_AsPDF},
    {"PlotMsg_PDFFilter", &PlotMsg_PDFFilter},
    {"PlotMsg_AsPS", &PlotMsg_AsPS},
    {"PlotMsg_PSFilter", &PlotMsg_PSFilter},
    {"PlotMsg_GalleryHorizArea", &PlotMsg_GalleryHorizArea},
    {"PlotMsg_SelfStack", &PlotMsg_SelfStack},
    {"PlotMsg_DarkPen", &PlotMsg_DarkPen},
    {"PlotMsg_SelectFolder", &PlotMsg_SelectFolder},
    {"PlotMsg_BDEAlias", &PlotMsg_BDEAlias},
    {"PlotMsg_ADOConnection", &PlotMsg_ADOConnection},
    {"PlotMsg_Apply", &PlotMsg_Apply},
    {"PlotMsg_AddNewGroup", &PlotMsg_AddNewGroup},
    {"PlotMsg_ChangeGroupName", &PlotMsg_ChangeGroupName},
    {"PlotMsg_GroupName", &PlotMsg_GroupName},
    {"PlotMsg_FunctionMedian", &PlotMsg_FunctionMedian},
    {"PlotMsg_FunctionMode", &PlotMsg_FunctionMode},
    {"PlotMsg_Options", &PlotMsg_Options},
    {"PlotMsg_DepthTopAxis", &PlotMsg_DepthTopAxis},
    {"PlotMsg_View2D", &PlotMsg_View2D},
    {"PlotMsg_Outline", &PlotMsg_Outline},
    {"PlotMsg_TextFilter1", &PlotMsg_TextFilter1},
    {"PlotMsg_TextFilter2", &PlotMsg_TextFilter2},
    {"PlotMsg_TextFilter3", &PlotMsg_TextFilter3},
    {"PlotMsg_TextFilter4", &PlotMsg_TextFilter4},
    {"PlotMsg_TextFilter5", &PlotMsg_TextFilter5},
    {"PlotMsg_XMLFilter", &PlotMsg_XMLFilter},
    {"PlotMsg_HTMLFilter", &PlotMsg_HTMLFilter},
    {"PlotMsg_ExcelFilter", &PlotMsg_ExcelFilter},
    {"PlotMsg_ViewOrthoRight", &PlotMsg_ViewOrthoRight},
    {"PlotMsg_ViewOrthoLeft", &PlotMsg_ViewOrthoLeft},
    {"PlotMsg_View3DFront", &PlotMsg_View3DFront},
    {"PlotMsg_View3DRight", &PlotMsg_View3DRight},
    {"PlotMsg_View3DLeft", &PlotMsg_View3DLeft},
    {"PlotMsg_AsSVG", &PlotMsg_AsSVG},
    {"PlotMsg_SVGFilter", &PlotMsg_SVGFilter},
    {"PlotMsg_SubTitle", &PlotMsg_SubTitle},
    {"PlotMsg_SubFoot", &PlotMsg_SubFoot},
    {"PlotMsg_FunctionSubset", &PlotMsg_FunctionSubset},
    {"PlotMsg_Hexagon", &PlotMsg_Hexagon},
    {"PlotMsg_AntiAlias", &PlotMsg_AntiAlias},
    {"PlotMsg_Percent", &PlotMsg_Percent},
    {"PlotMsg_Smooth", &PlotMsg_Smooth},
    {"PlotMsg_Blur", &PlotMsg_Blur},
    {"PlotMsg_Width", &PlotMsg_Width},
    {"PlotMsg_Resize", &PlotMsg_Resize},
    {"PlotMsg_Left", &PlotMsg_Left},
    {"PlotMsg_Top", &PlotMsg_Top},
    {"PlotMsg_Crop", &PlotMsg_Crop},
    {"PlotMsg_Invert", &PlotMsg_Invert},
    {"PlotMsg_GrayScale", &PlotMsg_GrayScale},
    {"PlotMsg_Mosaic", &PlotMsg_Mosaic},
    {"PlotMsg_Flip", &PlotMsg_Flip},
    {"PlotMsg_Reverse", &PlotMsg_Reverse},
    {"PlotMsg_Brightness", &PlotMsg_Brightness},
    {"PlotMsg_Color", &PlotMsg_Color},
    {"PlotMsg_HueLumSat", &PlotMsg_HueLumSat},
    {"PlotMsg_Sharpen", &PlotMsg_Sharpen},
    {"PlotMsg_GammaCorrection", &PlotMsg_GammaCorrection},
    {"PlotMsg_Emboss", &PlotMsg_Emboss},
    {"PlotMsg_Contrast", &PlotMsg_Contrast},
    {"PlotMsg_Rotate", &PlotMsg_Rotate},
    {"PlotMsg_Back", &PlotMsg_Back},
    {"PlotMsg_Autosize", &PlotMsg_Autosize},
    {"PlotMsg_Mirror", &PlotMsg_Mirror},
    {"PlotMsg_Columns", &PlotMsg_Columns},
    {"PlotMsg_Rows", &PlotMsg_Rows},
    {"PlotMsg_Tile", &PlotMsg_Tile},
    {"PlotMsg_Bevel", &PlotMsg_Bevel},
    {"PlotMsg_Zoom", &PlotMsg_Zoom},
    {"PlotMsg_ThemeDefault", &PlotMsg_ThemeDefault},
    {"PlotMsg_ThemePlotChart", &PlotMsg_ThemePlotChart},
    {"PlotMsg_ThemeExcel", &PlotMsg_ThemeExcel},
    {"PlotMsg_ThemeVictorian", &PlotMsg_ThemeVictorian},
    {"PlotMsg_ThemePastels", &PlotMsg_ThemePastels},
    {"PlotMsg_ThemeSolid", &PlotMsg_ThemeSolid},
    {"PlotMsg_ThemeClassic", &PlotMsg_ThemeClassic},
    {"PlotMsg_ThemeWeb", &PlotMsg_ThemeWeb},
    {"PlotMsg_ThemeModern", &PlotMsg_ThemeModern},
    {"PlotMsg_ThemeRainbow", &PlotMsg_ThemeRainbow},
    {"PlotMsg_ThemeWinXP", &PlotMsg_ThemeWinXP},
    {"PlotMsg_ThemeMacOS", &PlotMsg_ThemeMacOS},
    {"PlotMsg_ThemeWinVista", &PlotMsg_ThemeWinVista},
    {"PlotMsg_ThemeGrayScale", &PlotMsg_ThemeGrayScale},
    {"PlotMsg_ThemeOpera", &PlotMsg_ThemeOpera},
    {"PlotMsg_ThemeWarm", &PlotMsg_ThemeWarm},
    {"PlotMsg_ThemeCool", &PlotMsg_ThemeCool},
    {"PlotMsg_MenuFilters", &PlotMsg_MenuFilters},
    {"PlotMsg_CrossTab", &PlotMsg_CrossTab},
    {"PlotMsg_DBSumEditCaption", &PlotMsg_DBSumEditCaption},
    {"PlotMsg_AsFlex", &PlotMsg_AsFlex},
    {"PlotMsg_FlexFilter", &PlotMsg_FlexFilter},
    {"PlotMsg_AsXAML", &PlotMsg_AsXAML},
    {"PlotMsg_XAMLFilter", &PlotMsg_XAMLFilter},
    {"PlotMsg_SelectTmpFolder", &PlotMsg_SelectTmpFolder},
    {"PlotMsg_PathAdobeFlexCompiler", &PlotMsg_PathAdobeFlexCompiler},
    {"PlotPolarDegreeSymbol", &PlotPolarDegreeSymbol},
    {"PlotMsg_NewChart", &PlotMsg_NewChart},
    {"PlotMsg_RenameChart", &PlotMsg_RenameChart},
    {"PlotMsg_ChartName", &PlotMsg_ChartName},
    {"PlotMsg_SelectTextFile", &PlotMsg_SelectTextFile},
    {"PlotMsg_SaveTextFile", &PlotMsg_SaveTextFile},
    {"PlotMsg_RecordVideo", &PlotMsg_RecordVideo},
    {"PlotMsg_ChangeToolName", &PlotMsg_ChangeToolName},
    {"PlotMsg_NewToolName", &PlotMsg_NewToolName},
    {"PlotMsg_Change", &PlotMsg_Change},
    {"PlotMsg_GalleryTernary", &PlotMsg_GalleryTernary},
    {"PlotMsg_ValuesWeighting", &PlotMsg_ValuesWeighting},
    {"PlotMsg_DPI", &PlotMsg_DPI},
    {"PlotMsg_DPIIdentifier", &PlotMsg_DPIIdentifier},
    {"PlotMsg_ThemeBlack", &PlotMsg_ThemeBlack},
    {"PlotMsg_ThemeSpeed", &PlotMsg_ThemeSpeed},
    {"PlotMsg_TernaryMarkRadius", &PlotMsg_TernaryMarkRadius},
    {"PlotMsg_TernaryMarkWeight", &PlotMsg_TernaryMarkWeight},
    {"PlotMsg_ChangeAnimationName", &PlotMsg_ChangeAnimationName},
    {"PlotMsg_NewAnimationName", &PlotMsg_NewAnimationName},
    {"PlotMsg_StraightAll", &PlotMsg_StraightAll},
    {"PlotMsg_ExpandAnimation", &PlotMsg_ExpandAnimation},
    {"PlotMsg_ExpandAnimationDesc", &PlotMsg_ExpandAnimationDesc},
    {"PlotMsg_FunctionSmooth", &PlotMsg_FunctionSmooth},
    {"PlotMsg_LegendTitle", &PlotMsg_LegendTitle},
    {"PlotMsg_RGB", &PlotMsg_RGB},
    {"PlotMsg_HLS", &PlotMsg_HLS},
    {"PlotMsg_Search", &PlotMsg_Search},
    {"PlotMsg_GalleryPointError", &PlotMsg_GalleryPointError},
    {"PlotMsg_GalleryPoint3DError", &PlotMsg_GalleryPoint3DError},
    {"PlotMsg_EquiVolumeVolValues", &PlotMsg_EquiVolumeVolValues},
    {"PlotMsg_JScriptNonSupportMsg", &PlotMsg_JScriptNonSupportMsg},
    {"PlotMsg_AsJScript", &PlotMsg_AsJScript},
    {"PlotMsg_JScriptFilter", &PlotMsg_JScriptFilter},
    {"PlotMsg_Metro", &PlotMsg_Metro},
    {"PlotMsg_HTML5Canvas", &PlotMsg_HTML5Canvas},
    {"PlotMsg_HTML5CanvasFilter", &PlotMsg_HTML5CanvasFilter},
    {"PlotMsg_iOSPalette", &PlotMsg_iOSPalette},
    {"PlotMsg_ServerError", &PlotMsg_ServerError},
    {"PlotMsg_ServerCaption", &PlotMsg_ServerCaption},
    {"PlotMsg_ExceptionSend", &PlotMsg_ExceptionSend},
    {"PlotMsg_JSONFilter", &PlotMsg_JSONFilter},
    {"PlotMsg_ODSFilter", &PlotMsg_ODSFilter},
    {"PlotMsg_Item", &PlotMsg_Item},
    {"PlotMsg_AndroidPalette", &PlotMsg_AndroidPalette},
    {"PlotMsg_Concentric", &PlotMsg_Concentric},
    {"PlotMsg_Animate", &PlotMsg_Animate},
    {"PlotMsg_Stop", &PlotMsg_Stop},
    {"PlotMsg_Animation", &PlotMsg_Animation},
    {"PlotMsg_RandomPoints", &PlotMsg_RandomPoints},
    {"PlotMsg_FunctionPareto", &PlotMsg_FunctionPareto},
    {"PlotMsg_FunctionCentroid", &PlotMsg_FunctionCentroid},
    {"PlotMsg_GalleryDonut", &PlotMsg_GalleryDonut},
    {"PlotMsg_Data", &PlotMsg_Data},
    {"PlotMsg_LineAnimation", &PlotMsg_LineAnimation},
    {"PlotMsg_SeriesTransition", &PlotMsg_SeriesTransition},
    {"PlotMsg_SeriesAnimTool", &PlotMsg_SeriesAnimTool},
    {"PlotMsg_SeriesAnimationDesc", &PlotMsg_SeriesAnimationDesc},
    {"PlotMsg_ColorReplacer", &PlotMsg_ColorReplacer},
    {"PlotMsg_Equalize", &PlotMsg_Equalize},
    {"PlotMsg_Sobel", &PlotMsg_Sobel},
    {"PlotMsg_Sepia", &PlotMsg_Sepia},
    {"PlotMsg_LookoutPalette", &PlotMsg_LookoutPalette},
    {"PlotMsg_SeawashPalette", &PlotMsg_SeawashPalette},
    {"PlotMsg_TemplateStackedBars", &PlotMsg_TemplateStackedBars},
    {"PlotMsg_TemplateLineandPoint", &PlotMsg_TemplateLineandPoint},
    {"PlotMsg_TemplateConcentricDonuts", &PlotMsg_TemplateConcentricDonuts},
    {"PlotMsg_ExcelEmptyFile", &PlotMsg_ExcelEmptyFile},
    {"PlotMsg_ExcelFile", &PlotMsg_ExcelFile},
    {"PlotMsg_ExcelSheetEmpty", &PlotMsg_ExcelSheetEmpty},
    {"PlotMsg_ExcelRangeMissing", &PlotMsg_ExcelRangeMissing},
    {"PlotMsg_ActivityPalette", &PlotMsg_ActivityPalette},
    {"PlotMsg_GalleryActivityGauge", &PlotMsg_GalleryActivityGauge},
    {"PlotMsg_GalleryEqualizerSeries", &PlotMsg_GalleryEqualizerSeries},
};

}  // namespace

int PlotMsgCount() { return int(std::size(kTable)); }

std::string* PlotMsgAt(int Index) {
  return Index >= 0 && Index < PlotMsgCount() ? kTable[Index].Text : nullptr;
}

const char* PlotMsgName(int Index) {
  return Index >= 0 && Index < PlotMsgCount() ? kTable[Index].Name : nullptr;
}

void PlotSetConstants() {
  PlotMsg_Test = "Test...";
  PlotMsg_LegendFirstValue = "First Legend Value must be > 0";
  PlotMsg_LegendColorWidth = "Legend Color Width must be between 0 and 100 %";
  PlotMsg_SeriesSetDataSource = "No ParentChart to validate DataSource";
  PlotMsg_SeriesInvDataSource = "No valid DataSource: %s";
  PlotMsg_AxisLogDateTime = "DateTime Axis cannot be Logarithmic";
  PlotMsg_AxisLogNotPositive = "Logarithmic Axis Min and Max values should be >= 0";
  PlotMsg_AxisLabelSep = "Labels Separation % must be greater than 0";
  PlotMsg_AxisIncrementNeg = "Axis increment must be >= 0";
  PlotMsg_AxisMinMax = "Axis Minimum Value must be <= Maximum";
  PlotMsg_AxisMaxMin = "Axis Maximum Value must be >= Minimum";
  PlotMsg_AxisLogBase = "Axis Logarithmic Base should be <> 1 and > 0";
  PlotMsg_MaxPointsPerPage = "MaxPointsPerPage must be >= 0";
  PlotMsg_CircularSeries = "Circular Series dependences are not allowed";
  PlotMsg_DefaultPercentOf = "%s of %s";
  PlotMsg_DefaultPercentOf2 = std::string("%s") + NewLine + "of %s";
  PlotMsg_DefPercentFormat = "##0.## %";
  PlotMsg_DefValueFormat = "#,##0.###";
  PlotMsg_DefLogValueFormat = "#.0 \"x10\" E+0";
  PlotMsg_AxisTitle = "Axis Title";
  PlotMsg_AxisLabels = "Axis Labels";
  PlotMsg_RefreshInterval = "Refresh Interval must be between 0 and 60";
  PlotMsg_SeriesParentNoSelf = "Series.ParentChart is not myself!";
  PlotMsg_GalleryLine = "Line";
  PlotMsg_GalleryPoint = "Point";
  PlotMsg_GalleryArea = "Area";
  PlotMsg_GalleryBar = "Bar";
  PlotMsg_GalleryHorizBar = std::string("Horizontal") + NewLine + "Bar";
  PlotMsg_Stack = "Stack";
  PlotMsg_GalleryPie = "Pie";
  PlotMsg_GalleryCircled = "Circled";
  PlotMsg_GalleryFastLine = "Fast Line";
  PlotMsg_GalleryHorizLine = std::string("Horizontal") + NewLine + "Line";
  PlotMsg_PieSample1 = "Cars";
  PlotMsg_PieSample2 = "Phones";
  PlotMsg_PieSample3 = "Tables";
  PlotMsg_PieSample4 = "Monitors";
  PlotMsg_PieSample5 = "Lamps";
  PlotMsg_PieSample6 = "Keyboards";
  PlotMsg_PieSample7 = "Bikes";
  PlotMsg_PieSample8 = "Chairs";
  PlotMsg_GalleryLogoFont = "Courier New";
  PlotMsg_Editing = "Editing %s";
  PlotMsg_GalleryStandard = "Standard";
  PlotMsg_GalleryExtended = "Extended";
  PlotMsg_GalleryFunctions = "Functions";
  PlotMsg_EditChart = "E&dit Chart...";
  PlotMsg_PrintPreview = "&Print Preview...";
  PlotMsg_ExportChart = "E&xport Chart...";
  PlotMsg_CustomAxes = "Custom Axes...";
  PlotMsg_InvalidEditorClass = "%s: Invalid Editor Class: %s";
  PlotMsg_MissingEditorClass = "%s: has no Editor Dialog";
  PlotMsg_GalleryArrow = "Arrow";
  PlotMsg_ExpFinish = "&Finish";
  PlotMsg_ExpNext = "&Next >";
  PlotMsg_GalleryGantt = "Gantt";
  PlotMsg_GanttSample1 = "Design";
  PlotMsg_GanttSample2 = "Prototyping";
  PlotMsg_GanttSample3 = "Development";
  PlotMsg_GanttSample4 = "Sales";
  PlotMsg_GanttSample5 = "Marketing";
  PlotMsg_GanttSample6 = "Testing";
  PlotMsg_GanttSample7 = "Manufacture";
  PlotMsg_GanttSample8 = "Debugging";
  PlotMsg_GanttSample9 = "New Version";
  PlotMsg_GanttSample10 = "Banking";
  PlotMsg_ChangeSeriesTitle = "Change Series Title";
  PlotMsg_NewSeriesTitle = "New Series Title:";
  PlotMsg_DateTime = "DateTime";
  PlotMsg_TopAxis = "Top Axis";
  PlotMsg_BottomAxis = "Bottom Axis";
  PlotMsg_LeftAxis = "Left Axis";
  PlotMsg_RightAxis = "Right Axis";
  PlotMsg_SureToDelete = "Delete %s ?";
  PlotMsg_DateTimeFormat = "DateTime For&mat:";
  PlotMsg_Default = "Default";
  PlotMsg_ValuesFormat = "Values For&mat:";
  PlotMsg_Maximum = "Maximum";
  PlotMsg_Minimum = "Minimum";
  PlotMsg_DesiredIncrement = "Desired %s Increment";
  PlotMsg_IncorrectMaxMinValue = "Incorrect value. Reason: %s";
  PlotMsg_EnterDateTime = "Enter [Number of Days] [hh:mm:ss]";
  PlotMsg_SureToApply = "Apply Changes ?";
  PlotMsg_SelectedSeries = "(Selected Series)";
  PlotMsg_RefreshData = "&Refresh Data";
  PlotMsg_DefaultFontSize = "8";
  PlotMsg_DefaultEditorSize = "414";
  PlotMsg_DefaultEditorHeight = "347";
  PlotMsg_FunctionAdd = "Add";
  PlotMsg_FunctionSubtract = "Subtract";
  PlotMsg_FunctionMultiply = "Multiply";
  PlotMsg_FunctionDivide = "Divide";
  PlotMsg_FunctionHigh = "High";
  PlotMsg_FunctionLow = "Low";
  PlotMsg_FunctionAverage = "Average";
  PlotMsg_GalleryShape = "Shape";
  PlotMsg_GalleryBubble = "Bubble";
  PlotMsg_FunctionNone = "Copy";
  PlotMsg_None = "(none)";
  PlotMsg_PrivateDeclarations = "{ Private declarations }";
  PlotMsg_PublicDeclarations = "{ Public declarations }";
  PlotMsg_DefaultFontName = "Arial";
  PlotMsg_CheckPointerSize = "Pointer size must be greater than zero";
  PlotMsg_About = "Abo&ut PlotChart...";
  tcAdditional = "Additional";
  tcDControls = "Data Controls";
  tcQReport = "QReport";
  PlotMsg_DataSet = "Dataset";
  PlotMsg_AskDataSet = "&Dataset:";
  PlotMsg_SingleRecord = "Single Record";
  PlotMsg_AskDataSource = "&DataSource:";
  PlotMsg_Summary = "Summary";
  PlotMsg_FunctionPeriod = "Function Period should be >= 0";
  PlotMsg_WizardTab = "Business";
  PlotMsg_PlotChartWizard = "PlotChart Wizard";
  PlotMsg_ClearImage = "Clea&r";
  PlotMsg_BrowseImage = "B&rowse...";
  PlotMsg_WizardSureToClose = "Are you sure that you want to close the PlotChart Wizard dialog?";
  PlotMsg_FieldNotFound = "Field %s does not exist";
  PlotMsg_DepthAxis = "Depth Right";
  PlotMsg_PieOther = "Other";
  PlotMsg_ShapeGallery1 = "abc";
  PlotMsg_ShapeGallery2 = "123";
  PlotMsg_ValuesX = "X";
  PlotMsg_ValuesY = "Y";
  PlotMsg_ValuesPie = "Pie";
  PlotMsg_ValuesBar = "Bar";
  PlotMsg_ValuesAngle = "Angle";
  PlotMsg_ValuesGanttStart = "Start";
  PlotMsg_ValuesGanttEnd = "End";
  PlotMsg_ValuesGanttNextTask = "NextTask";
  PlotMsg_ValuesBubbleRadius = "Radius";
  PlotMsg_ValuesArrowEndX = "EndX";
  PlotMsg_ValuesArrowEndY = "EndY";
  PlotMsg_Legend = "Legend";
  PlotMsg_Title = "Title";
  PlotMsg_Foot = "Footer";
  PlotMsg_Period = "Period";
  PlotMsg_PeriodRange = "Period range";
  PlotMsg_CalcPeriod = "Calculate %s every:";
  PlotMsg_SmallDotsPen = "Small Dots";
  PlotMsg_InvalidPlotFile = std::string("Invalid Chart in *.") + PlotMsg_PlotExtension + " file";
  PlotMsg_WrongPlotFileFormat = std::string("Wrong *.") + PlotMsg_PlotExtension + " file format";
  PlotMsg_EmptyPlotFile = std::string("Empty *.") + PlotMsg_PlotExtension + " file";
  PlotMsg_ChartAxesCategoryName = "Chart Axes";
  PlotMsg_ChartAxesCategoryDesc = "Chart Axes properties and events";
  PlotMsg_ChartWallsCategoryName = "Chart Walls";
  PlotMsg_ChartWallsCategoryDesc = "Chart Walls properties and events";
  PlotMsg_ChartTitlesCategoryName = "Chart Titles";
  PlotMsg_ChartTitlesCategoryDesc = "Chart Titles properties and events";
  PlotMsg_Chart3DCategoryName = "Chart 3D";
  PlotMsg_Chart3DCategoryDesc = "Chart 3D properties and events";
  PlotMsg_CustomAxesEditor = "Custom ";
  PlotMsg_Series = "Series";
  PlotMsg_SeriesList = "Series List...";
  PlotMsg_PageOfPages = "Page %d of %d";
  PlotMsg_FileSize = "%d bytes";
  PlotMsg_First = "First";
  PlotMsg_Prior = "Prior";
  PlotMsg_Next = "Next";
  PlotMsg_Last = "Last";
  PlotMsg_Insert = "Insert";
  PlotMsg_Delete = "Delete";
  PlotMsg_Edit = "Edit";
  PlotMsg_Post = "Post";
  PlotMsg_Cancel = "Cancel";
  PlotMsg_All = "(all)";
  PlotMsg_Index = "Index";
  PlotMsg_Text = "Text";
  PlotMsg_AsBMP = "as &Bitmap";
  PlotMsg_BMPFilter = "Bitmaps (*.bmp)|*.bmp";
  PlotMsg_AsEMF = "as &Metafile";
  PlotMsg_EMFFilter = "Enhanced Metafiles (*.emf)|*.emf|Metafiles (*.wmf)|*.wmf";
  PlotMsg_ExportPanelNotSet = "Panel property is not set in Export format";
  PlotMsg_Normal = "Normal";
  PlotMsg_NoBorder = "No Border";
  PlotMsg_Dotted = "Dotted";
  PlotMsg_Colors = "Colors";
  PlotMsg_Filled = "Filled";
  PlotMsg_Marks = "Marks";
  PlotMsg_Stairs = "Stairs";
  PlotMsg_Points = "Points";
  PlotMsg_Height = "Height";
  PlotMsg_Hollow = "Hollow";
  PlotMsg_Point2D = "Point 2D";
  PlotMsg_Triangle = "Triangle";
  PlotMsg_Star = "Star";
  PlotMsg_Circle = "Circle";
  PlotMsg_DownTri = "Down Tri.";
  PlotMsg_Cross = "Cross";
  PlotMsg_Diamond = "Diamond";
  PlotMsg_NoLines = "No Lines";
  PlotMsg_Stack100 = "Stack 100%";
  PlotMsg_Pyramid = "Pyramid";
  PlotMsg_Ellipse = "Ellipse";
  PlotMsg_InvPyramid = "Inv. Pyramid";
  PlotMsg_Sides = "Sides";
  PlotMsg_SideAll = "Side All";
  PlotMsg_Patterns = "Patterns";
  PlotMsg_Exploded = "Exploded";
  PlotMsg_Shadow = "Shadow";
  PlotMsg_SemiPie = "Semi Pie";
  PlotMsg_Rectangle = "Rectangle";
  PlotMsg_VertLine = "Vert.Line";
  PlotMsg_HorizLine = "Horiz.Line";
  PlotMsg_Line = "Line";
  PlotMsg_Cube = "Cube";
  PlotMsg_DiagCross = "Diag.Cross";
  PlotMsg_CanNotFindTempPath = "Can not find Temp folder";
  PlotMsg_CanNotCreateTempChart = "Can not create Temp file";
  PlotMsg_CanNotEmailChart = "Can not email PlotChart. Mapi Error: %d";
  PlotMsg_SeriesDelete = "Series Delete: ValueIndex %d out of bounds (0 to %d).";
  PlotMsg_NoSeriesSelected = "No Series selected";
  PlotMsg_CannotLoadChartFromURL = "Error code: %d downloading Chart from URL: %s";
  PlotMsg_CannotLoadSeriesDataFromURL = "Error code: %d downloading Series data from URL: %s";
  PlotMsg_AsJPEG = "as &JPEG";
  PlotMsg_JPEGFilter = "JPEG files (*.jpg)|*.jpg";
  PlotMsg_AsGIF = "as &GIF";
  PlotMsg_GIFFilter = "GIF files (*.gif)|*.gif";
  PlotMsg_AsPNG = "as &PNG";
  PlotMsg_PNGFilter = "PNG files (*.png)|*.png";
  PlotMsg_AsPCX = "as PC&X";
  PlotMsg_PCXFilter = "PCX files (*.pcx)|*.pcx";
  PlotMsg_AsVML = "as &VML (HTM)";
  PlotMsg_VMLFilter = "VML files (*.htm)|*.htm";
  PlotMsg_AskLanguage = "&Language...";
  PlotMsg_TextFile = "Text File";
  PlotMsg_Gradient = "Gradient";
  PlotMsg_WantToSave = "Do you want to save %s?";
  PlotMsg_NativeFilter = "PlotChart files";
  PlotMsg_Property = "Property";
  PlotMsg_Value = "Value";
  PlotMsg_Yes = "Yes";
  PlotMsg_No = "No";
  PlotMsg_Image = "(image)";
  PlotMsg_FunctionCustom = "y = f(x)";
  PlotMsg_AsPDF = "as PD&F";
  PlotMsg_PDFFilter = "PDF files (*.pdf)|*.pdf";
  PlotMsg_AsPS = "as PostScript";
  PlotMsg_PSFilter = "PostScript files (*.eps)|*.eps";
  PlotMsg_GalleryHorizArea = std::string("Horizontal") + NewLine + "Area";
  PlotMsg_SelfStack = "Self Stacked";
  PlotMsg_DarkPen = "Dark Border";
  PlotMsg_SelectFolder = "Select folder with database";
  PlotMsg_BDEAlias = "&Alias:";
  PlotMsg_ADOConnection = "&Connection:";
  PlotMsg_Apply = "&Apply";
  PlotMsg_AddNewGroup = "Add new group";
  PlotMsg_ChangeGroupName = "Change group name";
  PlotMsg_GroupName = "Group name:";
  PlotMsg_FunctionMedian = "Median";
  PlotMsg_FunctionMode = "Mode";
  PlotMsg_Options = "Options";
  PlotMsg_DepthTopAxis = "Depth Top";
  PlotMsg_View2D = "2D";
  PlotMsg_Outline = "Outline";
  PlotMsg_TextFilter1 = "Text files (*.txt)|*.txt";
  PlotMsg_TextFilter2 = "Comma separated (*.csv)|*.csv";
  PlotMsg_TextFilter3 = "Tab separated (*.tsv)|*.tsv";
  PlotMsg_TextFilter4 = "Space separated (*.txt)|*.txt";
  PlotMsg_TextFilter5 = "All files (*.*)|*.*";
  PlotMsg_XMLFilter = "XML files (*.xml)|*.xml";
  PlotMsg_HTMLFilter = "HTML files (*.htm)|*.htm";
  PlotMsg_ExcelFilter = "Excel files (*.xls)|*.xls";
  PlotMsg_ViewOrthoRight = "Orthogonal Right";
  PlotMsg_ViewOrthoLeft = "Orthogonal Left";
  PlotMsg_View3DFront = "3D Front";
  PlotMsg_View3DRight = "3D Right";
  PlotMsg_View3DLeft = "3D Left";
  PlotMsg_AsSVG = "as &SVG";
  PlotMsg_SVGFilter = "SVG files (*.svg)|*.svg";
  PlotMsg_SubTitle = "SubTitle";
  PlotMsg_SubFoot = "SubFoot";
  PlotMsg_FunctionSubset = "Subset";
  PlotMsg_Hexagon = "Hexagon";
  PlotMsg_AntiAlias = "Antialias";
  PlotMsg_Percent = "Percent";
  PlotMsg_Smooth = "Smooth";
  PlotMsg_Blur = "Blur";
  PlotMsg_Width = "Width";
  PlotMsg_Resize = "Resize";
  PlotMsg_Left = "Left";
  PlotMsg_Top = "Top";
  PlotMsg_Crop = "Crop";
  PlotMsg_Invert = "Invert";
  PlotMsg_GrayScale = "Gray scale";
  PlotMsg_Mosaic = "Mosaic";
  PlotMsg_Flip = "Flip";
  PlotMsg_Reverse = "Reverse";
  PlotMsg_Brightness = "Brightness";
  PlotMsg_Color = "Color";
  PlotMsg_HueLumSat = "Hue,Lum,Sat";
  PlotMsg_Sharpen = "Sharpen";
  PlotMsg_GammaCorrection = "Gamma correction";
  PlotMsg_Emboss = "Emboss";
  PlotMsg_Contrast = "Contrast";
  PlotMsg_Rotate = "Rotate";
  PlotMsg_Back = "Back";
  PlotMsg_Autosize = "Autosize";
  PlotMsg_Mirror = "Mirror";
  PlotMsg_Columns = "Columns";
  PlotMsg_Rows = "Rows";
  PlotMsg_Tile = "Tile";
  PlotMsg_Bevel = "Bevel";
  PlotMsg_Zoom = "Zoom";
  PlotMsg_ThemeDefault = "Default";
  PlotMsg_ThemePlotChart = "PlotChart";
  PlotMsg_ThemeExcel = "Excel";
  PlotMsg_ThemeVictorian = "Victorian";
  PlotMsg_ThemePastels = "Pastels";
  PlotMsg_ThemeSolid = "Solid";
  PlotMsg_ThemeClassic = "Classic";
  PlotMsg_ThemeWeb = "Web";
  PlotMsg_ThemeModern = "Modern";
  PlotMsg_ThemeRainbow = "Rainbow";
  PlotMsg_ThemeWinXP = "Win. XP";
  PlotMsg_ThemeMacOS = "Mac OS";
  PlotMsg_ThemeWinVista = "Win. Vista";
  PlotMsg_ThemeGrayScale = "Gray scale";
  PlotMsg_ThemeOpera = "Opera";
  PlotMsg_ThemeWarm = "Warm";
  PlotMsg_ThemeCool = "Cool";
  PlotMsg_MenuFilters = "Filters";
  PlotMsg_CrossTab = "CrossTab";
  PlotMsg_DBSumEditCaption = "Database Chart";
  PlotMsg_AsFlex = "as &Flex (Flash)";
  PlotMsg_FlexFilter = "Flex files (*.swf)|*.swf";
  PlotMsg_AsXAML = "as &XAML";
  PlotMsg_XAMLFilter = "XAML files (*.xaml)|*.xaml";
  PlotMsg_SelectTmpFolder = "Select temporary folder";
  PlotMsg_PathAdobeFlexCompiler = "Path to the Flex compiler";
  PlotPolarDegreeSymbol = "\u00B0";
  PlotMsg_NewChart = "New Chart";
  PlotMsg_RenameChart = "Rename Chart";
  PlotMsg_ChartName = "Chart name:";
  PlotMsg_SelectTextFile = "Select text file";
  PlotMsg_SaveTextFile = "Save text file";
  PlotMsg_RecordVideo = "Record Video...";
  PlotMsg_ChangeToolName = "Change Tool name";
  PlotMsg_NewToolName = "New Tool name:";
  PlotMsg_Change = "Change";
  PlotMsg_GalleryTernary = "Ternary";
  PlotMsg_ValuesWeighting = "Weight";
  PlotMsg_DPI = "DPI";
  PlotMsg_DPIIdentifier = "dpi";
  PlotMsg_ThemeBlack = "BlackIsBack";
  PlotMsg_ThemeSpeed = "Speed";
  PlotMsg_TernaryMarkRadius = "Radius";
  PlotMsg_TernaryMarkWeight = "Weight";
  PlotMsg_ChangeAnimationName = "Change Animation name";
  PlotMsg_NewAnimationName = "New Animation name:";
  PlotMsg_StraightAll = "Straight All";
  PlotMsg_ExpandAnimation = "Expand";
  PlotMsg_ExpandAnimationDesc = "Expands series points from the centre";
  PlotMsg_FunctionSmooth = "Smoothing";
  PlotMsg_LegendTitle = "Legend Title";
  PlotMsg_RGB = "RGB";
  PlotMsg_HLS = "HLS";
  PlotMsg_Search = "Search";
  PlotMsg_GalleryPointError = "Error Point";
  PlotMsg_GalleryPoint3DError = "Error Point 3D";
  PlotMsg_EquiVolumeVolValues = "Volume";
  PlotMsg_JScriptNonSupportMsg = std::string("Your browser does not run scripts.") + NewLine +
                                 "Please allow scripts for this page to see the chart.";
  PlotMsg_AsJScript = "as &JavaScript";
  PlotMsg_JScriptFilter = "JavaScript files (*.htm)|*.htm";
  PlotMsg_Metro = "Metro";
  PlotMsg_HTML5Canvas = "as HTML&5 Canvas";
  PlotMsg_HTML5CanvasFilter = "HTML5 files (*.htm)|*.htm";
  PlotMsg_iOSPalette = "iOS";
  PlotMsg_ServerError = "SERVER ERROR";
  PlotMsg_ServerCaption = "Thanks for Your Help";
  PlotMsg_ExceptionSend = "&Send";
  PlotMsg_JSONFilter = "JSON files (*.json)|*.json";
  PlotMsg_ODSFilter = "OpenDocument spreadsheets (*.ods)|*.ods";
  PlotMsg_Item = "Item";
  PlotMsg_AndroidPalette = "Android";
  PlotMsg_Concentric = "Concentric";
  PlotMsg_Animate = "Animate";
  PlotMsg_Stop = "Stop";
  PlotMsg_Animation = "Animation";
  PlotMsg_RandomPoints = "Random points";
  PlotMsg_FunctionPareto = "Pareto";
  PlotMsg_FunctionCentroid = "Centroid";
  PlotMsg_GalleryDonut = "Donut";
  PlotMsg_Data = "Data";
  PlotMsg_LineAnimation = "Line animation";
  PlotMsg_SeriesTransition = "Series transition";
  PlotMsg_SeriesAnimTool = "Series Animation";
  PlotMsg_SeriesAnimationDesc = "Animates the points of a series";
  PlotMsg_ColorReplacer = "Color Replacer";
  PlotMsg_Equalize = "Equalize";
  PlotMsg_Sobel = "Sobel";
  PlotMsg_Sepia = "Sepia";
  PlotMsg_LookoutPalette = "Lookout";
  PlotMsg_SeawashPalette = "Seawash";
  PlotMsg_TemplateStackedBars = "Stacked Bars";
  PlotMsg_TemplateLineandPoint = "Line and Point";
  PlotMsg_TemplateConcentricDonuts = "Concentric Donuts";
  PlotMsg_ExcelEmptyFile = "The Excel file is empty";
  PlotMsg_ExcelFile = "Excel file";
  PlotMsg_ExcelSheetEmpty = "The sheet %s is empty";
  PlotMsg_ExcelRangeMissing = "The range %s is missing";
  PlotMsg_ActivityPalette = "Activity";
  PlotMsg_GalleryActivityGauge = "Activity Gauge";
  PlotMsg_GalleryEqualizerSeries = "Equalizer";
}

void PlotConstInitialize() {
  NewLine.assign(1, '\r');
  PlotSetConstants();
}

void PlotConstFinalize() {
  for (const Entry& e : kTable) e.Text->clear();
  NewLine.clear();
}
