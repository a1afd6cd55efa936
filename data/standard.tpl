<!DOCTYPE HTML PUBLIC "-//IETF//DTD HTML//EN//2.0">
<HTML>
<!-- Created with Quillmar Pro HTML Editor -->

<HEAD>
<TITLE>Document Title</TITLE>
</HEAD>

<BODY>
<H1>Main Page Heading</H1>

<P>Body text.</P>

</BODY>
</HTML>
