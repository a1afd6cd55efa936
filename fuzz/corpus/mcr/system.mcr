[HURL]	<A HREF="index.html"></A>
[CREDIT]	<!-- This page was created by Quillmar Pro-->
[QUIL]	Quillmar Pro for Windows
[DOCTYPE]	<!DOCTYPE html>
[CHARSET]	<meta charset="utf-8">
[VIEWPORT]	<meta name="viewport" content="width=device-width, initial-scale=1">
[CSS]	<link rel="stylesheet" href="style.css">
[SCRIPT]	<script src="script.js"></script>
[MAILTO]	<A HREF="mailto:"></A>
[TOP]	<A HREF="#top">Back to top</A>
[IMG]	<IMG SRC="" ALT="" WIDTH="" HEIGHT="">
[NBSP]	&nbsp;
[COPY]	&copy;
[HR]	<HR>
[BR]	<BR>
[COMMENT]	<!--  -->
[TABLE]	<TABLE BORDER="1"><TR><TD></TD></TR></TABLE>
[UPDATED]	<P><SMALL>Last updated: </SMALL></P>
